// Every text that the main menu shows.
#pragma once

namespace MenuText {
const char Install[] = "ｲﾝｽﾄｰﾙ";
const char Uninstall[] = "ｱﾝｲﾝｽﾄｰﾙ";

const char ConfirmUninstall[] = "ゲームを削除します。よろしいですか？";
const char ConfirmUninstallCaption[] = "アンインストール";
const char Uninstalled[] = "正常にアンインストールしました。";
const char UninstalledCaption[] = "アンインストールの終了";

const char PlayFailed[] = "ゲームの実行に失敗しました。";
const char PlayFailedCaption[] = "Velnora";

const char DirectXCaption[] = "DirectXのセットアップ";
const char NoCurrentDirectory[] = "カレントディレクトリの取得に失敗しました。";
const char DirectXFailed[] = "DirectXのセットアップの実行に失敗しました。";

const char DirectXFolder[] = "DirectX8a\\";
const char DirectXProgram[] = "dxsetup.exe";
const char RunningMutexName[] = "Velnora_Running";
} // namespace MenuText
