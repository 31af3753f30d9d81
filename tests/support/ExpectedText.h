// What the program must show, written out here apart from the program's own text headers,
// so that a wrong text in the program fails a test.
#pragma once
#include <windows.h>

#include <string>

// A message box as the player sees it.
struct ExpectedBox {
    std::string caption;
    std::string text;
    LPCSTR icon;
};

namespace Expected {
inline const std::string Menu = "Velnora", InstallDialog = "インストール", CopyDialog = "インストール中",
                         UninstallDialog = "アンインストール";
inline const std::string InstallLabel = "ｲﾝｽﾄｰﾙ", UninstallLabel = "ｱﾝｲﾝｽﾄｰﾙ";

// The menu.
inline const ExpectedBox ConfirmUninstall{"アンインストール", "ゲームを削除します。よろしいですか？", IDI_QUESTION};
inline const ExpectedBox Uninstalled{"アンインストールの終了", "正常にアンインストールしました。", IDI_INFORMATION};
inline const ExpectedBox PlayFailed{"Velnora", "ゲームの実行に失敗しました。", IDI_WARNING};
inline const ExpectedBox DirectXFailed{"DirectXのセットアップ", "DirectXのセットアップの実行に失敗しました。",
                                       IDI_INFORMATION};

// The install dialog.
inline const ExpectedBox NoCdromDrive{"インストールエラー", "ＣＤ－ＲＯＭドライブを見つけることができませんでした。",
                                      IDI_ERROR};
inline const ExpectedBox InsertDisc1{"ディスクの要求", "ＣＤ－ＲＯＭドライブにディスク１を入れてください。",
                                     IDI_INFORMATION};
inline const ExpectedBox Disc1Missing{"ディスクの要求", "ＣＤ－ＲＯＭドライブにディスク１が入っていません。", IDI_WARNING};
inline const ExpectedBox WrongDestination{"インストール先のエラー",
                                          "ドライブ名指定が正しくありません。再入力してください。", IDI_WARNING};
inline const ExpectedBox WrongSource{"インストール元のエラー", WrongDestination.text, IDI_WARNING};
inline const ExpectedBox PathTooLong{
    "インストール先のエラー", "インストール先のパスが長すぎます。もっと短いフォルダを指定してください。", IDI_WARNING};
inline ExpectedBox notEnoughSpace(const std::string& root)
{
    return {"インストール先のエラー", root + " ドライブに十分な空き容量がありません。", IDI_WARNING};
}
inline const ExpectedBox CreateFolder{
    "ディレクトリ作成", "指定されたディレクトリは存在しません。ディレクトリを作成しますか？", IDI_QUESTION};
inline const ExpectedBox CreateFolderFailed{"ディレクトリ作成のエラー", "ディレクトリの作成に失敗しました。", IDI_WARNING};
inline const ExpectedBox Disc1Back{"ディスクの交換", "ＣＤ－ＲＯＭの中のディスクをディスク１に交換してください。",
                                   IDI_WARNING};
inline const ExpectedBox Installed{"インストールの終了", "正常にインストールしました。", IDI_INFORMATION};

// The copy.
inline ExpectedBox discPrompt(int disc)
{
    return {"ディスクの交換", "ＣＤ－ＲＯＭの中のディスクをディスク " + std::to_string(disc) + " に交換してください",
            IDI_WARNING};
}
inline const ExpectedBox CopyFailed{"インストールエラー", "ファイルのコピーに失敗しました。", IDI_WARNING};
inline const ExpectedBox RegistryFailed{"インストールエラー", "レジストリの設定に失敗しました。", IDI_WARNING};

// The uninstall dialog.
inline const ExpectedBox DeleteSaves{"アンインストール", "セーブデータを削除しますか？", IDI_QUESTION};
inline const ExpectedBox NoSetupType{"アンインストールエラー", "インストールタイプの取得に失敗しました。", IDI_WARNING};
inline const ExpectedBox NoInstallFolder{"アンインストールエラー", "インストールフォルダの取得に失敗しました。",
                                         IDI_WARNING};
inline const ExpectedBox RecordNotDeleted{"アンインストールエラー", "レジストリの削除に失敗しました。", IDI_WARNING};
inline const ExpectedBox CannotStartUninstall{"アンインストールエラー", "アンインストールを開始できませんでした。",
                                              IDI_WARNING};
// A game file that stayed: another program has it open, the user may not delete it, or
// any other reason, which the system's own text (or, where it gave none, 不明なエラーです。) says.
inline ExpectedBox fileLeft(const std::string& path)
{
    return {"アンインストールエラー",
            "次のファイルを削除できませんでした。\n" + path +
                "\n\nこのファイルを使っているプログラムを終了してから、もう一度アンインストールしてください。",
            IDI_WARNING};
}
inline ExpectedBox fileProtected(const std::string& path)
{
    return {"アンインストールエラー",
            "次のファイルを削除できませんでした。\n" + path +
                "\n\nこのファイルを削除する権限がありません。管理者としてもう一度アンインストールしてください。",
            IDI_WARNING};
}
inline ExpectedBox fileNotDeleted(const std::string& path, const std::string& reason)
{
    return {"アンインストールエラー", "次のファイルを削除できませんでした。\n" + path + "\n\n" + reason,
            IDI_WARNING};
}
} // namespace Expected
