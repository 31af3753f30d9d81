// Every text that the uninstaller shows.
#pragma once

namespace UninstallText {
const char Caption[] = "アンインストール";
const char DeleteSavesQuestion[] = "セーブデータを削除しますか？";

const char ErrorCaption[] = "アンインストールエラー";
const char NoSetupType[] = "インストールタイプの取得に失敗しました。";
const char NoInstallFolder[] = "インストールフォルダの取得に失敗しました。";
const char RecordNotDeleted[] = "レジストリの削除に失敗しました。";
const char CannotStart[] = "アンインストールを開始できませんでした。";
// A game file that stayed, by what its deletion said: another program has it open, this
// user may not delete it, or any other reason, which the system's own text gives.
const char FileInUse[] = "次のファイルを削除できませんでした。\n%s\n\n"
                         "このファイルを使っているプログラムを終了してから、"
                         "もう一度アンインストールしてください。";
const char FileProtected[] = "次のファイルを削除できませんでした。\n%s\n\n"
                             "このファイルを削除する権限がありません。"
                             "管理者としてもう一度アンインストールしてください。";
const char FileNotDeleted[] = "次のファイルを削除できませんでした。\n%s\n\n%s";
const char Reason[] = "%s ( Error Code=%d )";
const char UnknownReason[] = "不明なエラーです。";
} // namespace UninstallText
