// Every text that the main menu shows, each message box as one record.
#pragma once
#include "app/Message.h"

namespace MenuText {
const char Install[] = "ｲﾝｽﾄｰﾙ";
const char Uninstall[] = "ｱﾝｲﾝｽﾄｰﾙ";

const char DirectXFolder[] = "DirectX8a\\";
const char DirectXProgram[] = "dxsetup.exe";
const char RunningMutexName[] = "Velnora_Running";

const char DirectXCaption[] = "DirectXのセットアップ";

constexpr Message ConfirmUninstall = {"ゲームを削除します。よろしいですか？", "アンインストール",
                                      MB_ICONQUESTION};
constexpr Message Uninstalled = {"正常にアンインストールしました。", "アンインストールの終了",
                                 MB_ICONINFORMATION};
constexpr Message PlayFailed = {"ゲームの実行に失敗しました。", "Velnora", MB_ICONWARNING};
constexpr Message NoCurrentDirectory = {"カレントディレクトリの取得に失敗しました。",
                                        DirectXCaption, MB_ICONINFORMATION};
constexpr Message DirectXFailed = {"DirectXのセットアップの実行に失敗しました。", DirectXCaption,
                                   MB_ICONINFORMATION};
} // namespace MenuText
