<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>DDevicePage</name>
    <message>
        <source>Empty</source>
        <translation>空</translation>
    </message>
    <message>
        <source>The device is not support On-board</source>
        <translation>このデバイスはオンボードモードに対応していません</translation>
    </message>
    <message>
        <source>The on-board config files cannot be made</source>
        <translation>オンボード設定ファイルを作成できません</translation>
    </message>
    <message>
        <source>Fast config successful</source>
        <translation>クイック設定に成功しました</translation>
    </message>
    <message>
        <source>Fast config failed</source>
        <translation>クイック設定に失敗しました</translation>
    </message>
    <message>
        <source>Create new config successful</source>
        <translation>新しい設定を作成しました</translation>
    </message>
    <message>
        <source>Create new config failed</source>
        <translation>新しい設定の作成に失敗しました</translation>
    </message>
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
        <translation>エクスポートしました</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>エクスポートに失敗しました</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>設定ファイルを開く</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>設定ファイル(*.xml)</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>先にインポートするファイルを選択してください</translation>
    </message>
    <message>
        <source>The file is not an on-board config file</source>
        <translation>このファイルはオンボード設定ファイルではありません</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>インポートしました</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>インポートに失敗しました</translation>
    </message>
    <message>
        <source>Need keep at least one config</source>
        <translation>少なくとも1つの設定が必要です</translation>
    </message>
    <message>
        <source>Delete config successful</source>
        <translation>設定を削除しました</translation>
    </message>
    <message>
        <source>Delete config failed</source>
        <translation>設定の削除に失敗しました</translation>
    </message>
    <message>
        <source>Config name can&apos;t be empty</source>
        <translation>設定名を空にはできません</translation>
    </message>
    <message>
        <source>Config name already exists</source>
        <translation>この設定名は既に存在します</translation>
    </message>
    <message>
        <source>Modify config name successful</source>
        <translation>設定名を変更しました</translation>
    </message>
    <message>
        <source>Modify config name failed</source>
        <translation>設定名の変更に失敗しました</translation>
    </message>
    <message>
        <source>Do you want to keep the FN key setting?</source>
        <translation>FNキーの設定を保持しますか？</translation>
    </message>
    <message>
        <source>Do you want to keep the FN1 key setting?</source>
        <translation>FN1キーの設定を保持しますか？</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>ヒント</translation>
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
        <source>Clean layer successful</source>
        <translation>レイヤーをクリアしました</translation>
    </message>
    <message>
        <source>Clean layer failed</source>
        <translation>レイヤーのクリアに失敗しました</translation>
    </message>
    <message>
        <source>Empty the key successful</source>
        <translation>キーをクリアしました</translation>
    </message>
    <message>
        <source>Empty the key failed</source>
        <translation>キーのクリアに失敗しました</translation>
    </message>
    <message>
        <source>Please select one Key first!</source>
        <translation>先にキーを選択してください！</translation>
    </message>
    <message>
        <source>Set FN key successful</source>
        <translation>FNキーを設定しました</translation>
    </message>
    <message>
        <source>Set FN key failed</source>
        <translation>FNキーの設定に失敗しました</translation>
    </message>
    <message>
        <source>Set FN1 key successful</source>
        <translation>FN1キーを設定しました</translation>
    </message>
    <message>
        <source>Set FN1 key failed</source>
        <translation>FN1キーの設定に失敗しました</translation>
    </message>
    <message>
        <source>Whether to restore the factory settings?</source>
        <translation>工場出荷時の設定に戻しますか？</translation>
    </message>
    <message>
        <source>Restore the factory settings successful</source>
        <translation>工場出荷時の設定に戻しました</translation>
    </message>
    <message>
        <source>Restore the factory settings failed</source>
        <translation>工場出荷時の設定に戻せませんでした</translation>
    </message>
    <message>
        <source>Write Start</source>
        <translation>書き込み開始</translation>
    </message>
    <message>
        <source>Onboard Download [Failed]</source>
        <translation>オンボード書き込み [失敗]</translation>
    </message>
    <message>
        <source>Write Over</source>
        <translation>書き込み完了</translation>
    </message>
    <message>
        <source>Download config successful</source>
        <translation>設定を書き込みました</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>設定の書き込みに失敗しました。もう一度お試しください</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>1回再生</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>複数回再生</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>連続再生 オン/オフ</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>キーを押している間再生</translation>
    </message>
    <message>
        <source>L_CTRL</source>
        <translation>L_CTRL</translation>
    </message>
    <message>
        <source>L_SHIFT</source>
        <translation>L_SHIFT</translation>
    </message>
    <message>
        <source>L_ALT</source>
        <translation>L_ALT</translation>
    </message>
    <message>
        <source>L_WIN</source>
        <translation>L_WIN</translation>
    </message>
    <message>
        <source>R_CTRL</source>
        <translation>R_CTRL</translation>
    </message>
    <message>
        <source>R_SHIFT</source>
        <translation>R_SHIFT</translation>
    </message>
    <message>
        <source>R_ALT</source>
        <translation>R_ALT</translation>
    </message>
    <message>
        <source>R_WIN</source>
        <translation>R_WIN</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>左クリック</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>中クリック</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>右クリック</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>上スクロール</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>下スクロール</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>進む</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>スナイパーキー</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>音量を上げる</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>音量を下げる</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>ミュート</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>再生/一時停止</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>次のトラック</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>前のトラック</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>プレーヤー</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>電卓</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>コンピューター</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>ブラウザー</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>メール</translation>
    </message>
    <message>
        <source>Too many macros (at most 10)</source>
        <translation>マクロが多すぎます（最大10個）</translation>
    </message>
    <message>
        <source>Macro too long: %1</source>
        <translation>マクロが長すぎます: %1</translation>
    </message>
</context>
</TS>
