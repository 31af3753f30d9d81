// Every text that the uninstaller shows, each message box as one record.
#pragma once
#include "app/Message.h"

namespace UninstallText {
const char ErrorCaption[] = "アンインストールエラー";
const char UnknownReason[] = "不明なエラーです。";

constexpr Message DeleteSaves = {"セーブデータを削除しますか？", "アンインストール",
                                 MB_ICONQUESTION};
constexpr Message CannotStart = {"アンインストールを開始できませんでした。", ErrorCaption,
                                 MB_ICONWARNING};
constexpr Message NoSetupType = {"インストールタイプの取得に失敗しました。", ErrorCaption,
                                 MB_ICONWARNING};
constexpr Message NoInstallFolder = {"インストールフォルダの取得に失敗しました。", ErrorCaption,
                                     MB_ICONWARNING};
constexpr Message RecordNotDeleted = {"レジストリの削除に失敗しました。", ErrorCaption,
                                      MB_ICONWARNING};

// A game file that stayed, by what its deletion said: another program has it open, this
// user may not delete it, the deletion said it was done, or any other reason, which the
// system's own text (or UnknownReason) gives, with the code.
constexpr Message FileInUse = {"次のファイルを削除できませんでした。\n%s\n\n"
                               "このファイルを使っているプログラムを終了してから、"
                               "もう一度アンインストールしてください。",
                               ErrorCaption, MB_ICONWARNING};
constexpr Message FileProtected = {"次のファイルを削除できませんでした。\n%s\n\n"
                                   "このファイルを削除する権限がありません。"
                                   "管理者としてもう一度アンインストールしてください。",
                                   ErrorCaption, MB_ICONWARNING};
constexpr Message FileNotDeletedUnexplained = {
    "次のファイルを削除できませんでした。\n%s\n\n不明なエラーです。", ErrorCaption, MB_ICONWARNING};
constexpr Message FileNotDeleted = {"次のファイルを削除できませんでした。\n%s\n\n%s ( Error Code=%d )",
                                    ErrorCaption, MB_ICONWARNING};
} // namespace UninstallText
