<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Assign proFile</source>
        <translation>プロファイルを割り当て</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>DChangeKeyPage</name>
    <message>
        <source>Remap Key</source>
        <translation>キーの再割り当て</translation>
    </message>
    <message>
        <source>Remap with key ？</source>
        <translation>割り当てるキー？</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>DCustomEventListItem</name>
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
        <translation>ブラウザ</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>メール</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>マウス左ボタン</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>マウス中ボタン</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>マウス右ボタン</translation>
    </message>
    <message>
        <source>Wheel Up</source>
        <translation>ホイール上</translation>
    </message>
    <message>
        <source>Wheel Down</source>
        <translation>ホイール下</translation>
    </message>
    <message>
        <source>Mouse left side key-Go</source>
        <translation>マウスサイドボタン - 進む</translation>
    </message>
    <message>
        <source>Mouse left side key-Back</source>
        <translation>マウスサイドボタン - 戻る</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>ウィンドウを閉じる</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>デスクトップを表示</translation>
    </message>
    <message>
        <source>Open my computer</source>
        <translation>マイコンピューターを開く</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>コンピューターをロック</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>切り取り</translation>
    </message>
    <message>
        <source>Stick</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新規</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
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
        <translation>連続再生オン/オフ</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>キーを押している間再生</translation>
    </message>
    <message>
        <source>Macro:</source>
        <translation>マクロ:</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>無効</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>プロファイル:</translation>
    </message>
</context>
<context>
    <name>DCustomEventListPage</name>
    <message>
        <source>No custom features added</source>
        <translation>カスタム機能は追加されていません</translation>
    </message>
</context>
<context>
    <name>DHotKeyPage</name>
    <message>
        <source>Shortcuts</source>
        <translation>ショートカット</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>デスクトップを表示</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>ウィンドウを閉じる</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>コンピューターをロック</translation>
    </message>
    <message>
        <source>Open my computer</source>
        <translation>マイコンピューターを開く</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Stick</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>切り取り</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新規</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>DKeyCombinationPage</name>
    <message>
        <source>key combination</source>
        <translation>キーの組み合わせ</translation>
    </message>
    <message>
        <source>Enter key？</source>
        <translation>キーを入力？</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>DKeyDisablePage</name>
    <message>
        <source>Disable Key</source>
        <translation>キーを無効化</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>DKeyWithAppPage</name>
    <message>
        <source>Select app</source>
        <translation>アプリを選択</translation>
    </message>
    <message>
        <source>App path：D:/EditPlus 3/EditPlus.exe</source>
        <translation>アプリのパス：D:/EditPlus 3/EditPlus.exe</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>アプリケーションを選択</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Select exe</source>
        <translation>プログラムを選択</translation>
    </message>
    <message>
        <source>App(*)</source>
        <translation>アプリ(*)</translation>
    </message>
</context>
<context>
    <name>DKeyWithTextPage</name>
    <message>
        <source>Text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>テキストを入力 ...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>DMacroCmdPage</name>
    <message>
        <source>Play Type</source>
        <translation>再生方法</translation>
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
        <translation>連続再生オン/オフ</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>キーを押している間再生</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>マクロを割り当て</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>再生回数</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>再生回数 1、2、3...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>DMouseKeyPage</name>
    <message>
        <source>Mouse Key</source>
        <translation>マウスキー</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>マウス左ボタン</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>マウス中ボタン</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>マウス右ボタン</translation>
    </message>
    <message>
        <source>Mouse left side key-Back</source>
        <translation>マウスサイドボタン - 戻る</translation>
    </message>
    <message>
        <source>Mouse left side key-Go</source>
        <translation>マウスサイドボタン - 進む</translation>
    </message>
    <message>
        <source>Wheel Down</source>
        <translation>ホイール下</translation>
    </message>
    <message>
        <source>Wheel Up</source>
        <translation>ホイール上</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>スナイパーキー</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>DMultimediaPage</name>
    <message>
        <source>Multimedia</source>
        <translation>マルチメディア</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>再生/一時停止</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
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
        <source>Volume Down</source>
        <translation>音量を下げる</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>音量を上げる</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>ミュート</translation>
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
        <source>Email</source>
        <translation>メール</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>ブラウザ</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Default</source>
        <translation>デフォルト</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>keyFunctionPageState</name>
    <message>
        <source>No profile is open.</source>
        <translation>プロファイルが開かれていません。</translation>
    </message>
    <message>
        <source>The profile file %1 is missing.</source>
        <translation>プロファイルファイル %1 が見つかりません。</translation>
    </message>
    <message>
        <source>The profile %1 is missing or unreadable in %2.</source>
        <translation>%2 にプロファイル %1 がないか、読み取れません。</translation>
    </message>
    <message>
        <source>The key could not be written to %1.</source>
        <translation>キーを %1 に書き込めませんでした。</translation>
    </message>
    <message>
        <source>Too long to store: at most %1 bytes.</source>
        <translation>長すぎて保存できません（最大 %1 バイト）。</translation>
    </message>
</context>
</TS>
