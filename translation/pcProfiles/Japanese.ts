<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>DDevicePage</name>
    <message>
        <source>Save directory</source>
        <translation>保存先フォルダー</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>先に保存先フォルダーを選択してください</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>プロファイルをエクスポートしました</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>プロファイルのエクスポートに失敗しました</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>プロファイルは少なくとも1つ必要です</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>プロファイルを削除しました</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>プロファイルの削除に失敗しました</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>プロファイルファイルを開く</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>プロファイルファイル(*.xml)</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>先にインポートするファイルを選択してください</translation>
    </message>
    <message>
        <source>The file is not a profile file</source>
        <translation>このファイルはプロファイルファイルではありません</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>プロファイルをインポートしました</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>プロファイルのインポートに失敗しました</translation>
    </message>
    <message>
        <source>Add profile successful</source>
        <translation>プロファイルを追加しました</translation>
    </message>
    <message>
        <source>Add profile failed</source>
        <translation>プロファイルの追加に失敗しました</translation>
    </message>
    <message>
        <source>Select exe</source>
        <translation>プログラムを選択</translation>
    </message>
    <message>
        <source>App(*)</source>
        <translation>プログラム(*)</translation>
    </message>
    <message>
        <source>Profile name can't empty</source>
        <translation>プロファイル名を入力してください</translation>
    </message>
    <message>
        <source>Profile name or path too long</source>
        <translation>プロファイル名またはパスが長すぎます</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>プロファイル情報を変更しました</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>プロファイル情報の変更に失敗しました</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>ヒント</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>現在のプロファイルをリセットしますか？</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Reset the current profile successful</source>
        <translation>現在のプロファイルをリセットしました</translation>
    </message>
    <message>
        <source>Reset the current profile failed</source>
        <translation>現在のプロファイルのリセットに失敗しました</translation>
    </message>
</context>
</TS>
