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
const char FileLeft[] = "次のファイルを削除できませんでした。\n%s\n\n"
                        "このファイルを使っているプログラムを終了してから、"
                        "もう一度アンインストールしてください。";
} // namespace UninstallText
