<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>DDpiConfigListItem</name>
    <message>
        <source>DDpiConfigListItem</source>
        <translation>DDpiConfigListItem</translation>
    </message>
    <message>
        <source>Sniper</source>
        <translation>スナイパー</translation>
    </message>
    <message>
        <source>X:</source>
        <translation>X:</translation>
    </message>
    <message>
        <source>Y:</source>
        <translation>Y:</translation>
    </message>
    <message>
        <source>X/Y:</source>
        <translation>X/Y:</translation>
    </message>
</context>
<context>
    <name>DMouseLightPage</name>
    <message>
        <source>DMouseLightPage</source>
        <translation>DMouseLightPage</translation>
    </message>
    <message>
        <source>Light Around</source>
        <translation>周囲ライト</translation>
    </message>
    <message>
        <source>Scroll</source>
        <translation>ホイール</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>ロゴ</translation>
    </message>
</context>
<context>
    <name>DMousePage</name>
    <message>
        <source>DMousePage</source>
        <translation>DMousePage</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>左クリック</translation>
    </message>
    <message>
        <source>Dpi Loop</source>
        <translation>DPI切り替え</translation>
    </message>
    <message>
        <source>Forward_L</source>
        <translation>進む(左)</translation>
    </message>
    <message>
        <source>Backward_L</source>
        <translation>戻る(左)</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>右クリック</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>中クリック</translation>
    </message>
    <message>
        <source>Forward_R</source>
        <translation>進む(右)</translation>
    </message>
    <message>
        <source>Backward_R</source>
        <translation>戻る(右)</translation>
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
        <translation>連続再生オン/オフ</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>割り当てキーを押している間再生</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>音量アップ</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>音量ダウン</translation>
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
        <source>Mouse Left</source>
        <translation>左ボタン</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>中ボタン</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>右ボタン</translation>
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
        <source>Disable</source>
        <translation>無効</translation>
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
        <translation>コンピューターを開く</translation>
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
</context>
<context>
    <name>DMousePerformanceView</name>
    <message>
        <source>DMousePerformanceView</source>
        <translation>DMousePerformanceView</translation>
    </message>
    <message>
        <source>Mouse Properties:</source>
        <translation>マウスのプロパティ:</translation>
    </message>
    <message>
        <source>125Hz</source>
        <translation>125Hz</translation>
    </message>
    <message>
        <source>250Hz</source>
        <translation>250Hz</translation>
    </message>
    <message>
        <source>500Hz</source>
        <translation>500Hz</translation>
    </message>
    <message>
        <source>1000Hz</source>
        <translation>1000Hz</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>現在のプロファイルをリセット</translation>
    </message>
    <message>
        <source>Mouse Properties</source>
        <translation>マウスのプロパティ</translation>
    </message>
    <message>
        <source>No mouse settings program was found for this desktop.</source>
        <translation>このデスクトップにはマウス設定プログラムが見つかりません。</translation>
    </message>
    <message>
        <source>The mouse settings could not be opened: %1</source>
        <translation>マウス設定を開けませんでした: %1</translation>
    </message>
</context>
<context>
    <name>DmouseConfigView</name>
    <message>
        <source>DmouseConfigView</source>
        <translation>DmouseConfigView</translation>
    </message>
    <message>
        <source>Enable X/Y</source>
        <translation>X/Y有効</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>R:</source>
        <translation>R:</translation>
    </message>
    <message>
        <source>G:</source>
        <translation>G:</translation>
    </message>
    <message>
        <source>B:</source>
        <translation>B:</translation>
    </message>
</context>
</TS>
