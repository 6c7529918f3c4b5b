<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>DDevicePage</name>
    <message>
        <source>Profile 1</source>
        <translation>設定檔 1</translation>
    </message>
    <message>
        <source>测试按键</source>
        <translation>測試按鍵</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>按鍵自訂</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>燈光設定</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>鍵盤</translation>
    </message>
    <message>
        <source>Side Light</source>
        <translation>側燈</translation>
    </message>
    <message>
        <source>Profile Group </source>
        <translation>設定檔群組 </translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>設定檔名稱</translation>
    </message>
    <message>
        <source>Profile Name</source>
        <translation>設定檔名稱</translation>
    </message>
    <message>
        <source>Link profile to program</source>
        <translation>將設定檔連結到程式</translation>
    </message>
    <message>
        <source>App path：/usr/bin/program</source>
        <translation>程式路徑：/usr/bin/program</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>選擇應用程式</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>產品</translation>
    </message>
    <message>
        <source>Keyboard Name</source>
        <translation>鍵盤名稱</translation>
    </message>
    <message>
        <source>APP mode</source>
        <translation>APP 模式</translation>
    </message>
    <message>
        <source>Onboard Editor</source>
        <translation>板載編輯</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>預設層</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>FN1 層</translation>
    </message>
    <message>
        <source>FN(无效)</source>
        <translation>FN(無效)</translation>
    </message>
    <message>
        <source>Set FN1</source>
        <translation>設定 FN1</translation>
    </message>
    <message>
        <source>Light Synchronize</source>
        <translation>燈光同步</translation>
    </message>
    <message>
        <source>Log infomsg</source>
        <translation>日誌訊息</translation>
    </message>
    <message>
        <source>Restore factory settings</source>
        <translation>恢復原廠設定</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下載</translation>
    </message>
    <message>
        <source>Lighting Effect</source>
        <translation>燈光效果</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>效能</translation>
    </message>
    <message>
        <source>Custom List</source>
        <translation>自訂清單</translation>
    </message>
    <message>
        <source>DPI Config</source>
        <translation>DPI 設定</translation>
    </message>
    <message>
        <source>Soft Keyboard</source>
        <translation>螢幕鍵盤</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>裝置未連線</translation>
    </message>
    <message>
        <source>Please open hid first!</source>
        <translation>請先連接裝置！</translation>
    </message>
    <message>
        <source>Currently in On-board mode, please exit first</source>
        <translation>目前為板載模式，請先退出</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>匯入</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>預設</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>巨集</translation>
    </message>
    <message>
        <source>Remap key</source>
        <translation>按鍵改鍵</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>滑鼠</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>停用</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>多媒體</translation>
    </message>
    <message>
        <source>key combination</source>
        <translation>組合鍵</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>捷徑</translation>
    </message>
    <message>
        <source>Switch profile</source>
        <translation>切換設定檔</translation>
    </message>
    <message>
        <source>Launch application</source>
        <translation>啟動程式</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>恆亮</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>霓虹</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>呼吸</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>波浪</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>閃爍</translation>
    </message>
    <message>
        <source>Snack</source>
        <translation>貪食蛇</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>雷達</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>自動漣漪</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>條紋</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>極光</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>漣漪</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>觸發</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>十字</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>煙火</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>速度響應</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>音樂律動</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>自訂</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>碰撞</translation>
    </message>
    <message>
        <source>The device's profile folder could not be created</source>
        <translation>無法建立裝置的設定檔資料夾</translation>
    </message>
    <message>
        <source>The device's profile file could not be read</source>
        <translation>無法讀取裝置的設定檔</translation>
    </message>
    <message>
        <source>The device's profile file could not be read; it was set aside and a new one made</source>
        <translation>無法讀取裝置的設定檔；已將其另存並新建了一個</translation>
    </message>
    <message>
        <source>The device's profile file could not be created</source>
        <translation>無法建立裝置的設定檔</translation>
    </message>
</context>
</TS>
