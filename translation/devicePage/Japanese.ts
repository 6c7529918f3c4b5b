<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>DDevicePage</name>
    <message>
        <source>Profile 1</source>
        <translation>プロファイル 1</translation>
    </message>
    <message>
        <source>测试按键</source>
        <translation>テストキー</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>キーのカスタマイズ</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>ライティング設定</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>キーボード</translation>
    </message>
    <message>
        <source>Side Light</source>
        <translation>サイドライト</translation>
    </message>
    <message>
        <source>Profile Group </source>
        <translation>プロファイルグループ </translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>プロファイル名</translation>
    </message>
    <message>
        <source>Profile Name</source>
        <translation>プロファイル名</translation>
    </message>
    <message>
        <source>Link profile to program</source>
        <translation>プロファイルをプログラムに関連付け</translation>
    </message>
    <message>
        <source>App path：/usr/bin/program</source>
        <translation>アプリのパス：/usr/bin/program</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>アプリを選択</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>製品</translation>
    </message>
    <message>
        <source>Keyboard Name</source>
        <translation>キーボード名</translation>
    </message>
    <message>
        <source>APP mode</source>
        <translation>APPモード</translation>
    </message>
    <message>
        <source>Onboard Editor</source>
        <translation>オンボード編集</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>標準レイヤー</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>FN1 レイヤー</translation>
    </message>
    <message>
        <source>FN(无效)</source>
        <translation>FN（無効）</translation>
    </message>
    <message>
        <source>Set FN1</source>
        <translation>FN1 に設定</translation>
    </message>
    <message>
        <source>Light Synchronize</source>
        <translation>ライト同期</translation>
    </message>
    <message>
        <source>Log infomsg</source>
        <translation>ログメッセージ</translation>
    </message>
    <message>
        <source>Restore factory settings</source>
        <translation>工場出荷時に戻す</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>書き込み</translation>
    </message>
    <message>
        <source>Lighting Effect</source>
        <translation>ライティング効果</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>パフォーマンス</translation>
    </message>
    <message>
        <source>Custom List</source>
        <translation>カスタム一覧</translation>
    </message>
    <message>
        <source>DPI Config</source>
        <translation>DPI 設定</translation>
    </message>
    <message>
        <source>Soft Keyboard</source>
        <translation>ソフトキーボード</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>デバイスが接続されていません</translation>
    </message>
    <message>
        <source>Please open hid first!</source>
        <translation>先にデバイスを接続してください！</translation>
    </message>
    <message>
        <source>Currently in On-board mode, please exit first</source>
        <translation>オンボードモード中です。先に終了してください</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>インポート</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>デフォルト</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>マクロ</translation>
    </message>
    <message>
        <source>Remap key</source>
        <translation>キーの割り当て変更</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>マウス</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>無効化</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>マルチメディア</translation>
    </message>
    <message>
        <source>key combination</source>
        <translation>キーの組み合わせ</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>ショートカット</translation>
    </message>
    <message>
        <source>Switch profile</source>
        <translation>プロファイル切替</translation>
    </message>
    <message>
        <source>Launch application</source>
        <translation>アプリを起動</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>スタティック</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>ネオン</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>ブリージング</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>ウェーブ</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>トゥインクル</translation>
    </message>
    <message>
        <source>Snack</source>
        <translation>スネーク</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>レーダー</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>オートリップル</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>ストライプ</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>オーロラ</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>リップル</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>リアクティブ</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>クロス</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>花火</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>スピード反応</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>音楽リズム</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>カスタム</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>コリジョン</translation>
    </message>
    <message>
        <source>The device's profile folder could not be created</source>
        <translation>デバイスのプロファイルフォルダーを作成できませんでした</translation>
    </message>
    <message>
        <source>The device's profile file could not be read</source>
        <translation>デバイスのプロファイルファイルを読み込めませんでした</translation>
    </message>
    <message>
        <source>The device's profile file could not be read; it was set aside and a new one made</source>
        <translation>デバイスのプロファイルファイルを読み込めませんでした。別名で保存し、新しいファイルを作成しました</translation>
    </message>
    <message>
        <source>The device's profile file could not be created</source>
        <translation>デバイスのプロファイルファイルを作成できませんでした</translation>
    </message>
</context>
</TS>
