<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Assign proFile</source>
        <translation>指定設定檔</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>DChangeKeyPage</name>
    <message>
        <source>Remap Key</source>
        <translation>按鍵重新對應</translation>
    </message>
    <message>
        <source>Remap with key ？</source>
        <translation>對應為按鍵？</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>DCustomEventListItem</name>
    <message>
        <source>Volume Up</source>
        <translation>音量加</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>音量減</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>靜音</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>播放/暫停</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>下一首</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>上一首</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>播放器</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>計算機</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>我的電腦</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>瀏覽器</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>郵件</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>滑鼠左鍵</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>滑鼠中鍵</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>滑鼠右鍵</translation>
    </message>
    <message>
        <source>Wheel Up</source>
        <translation>滾輪向上</translation>
    </message>
    <message>
        <source>Wheel Down</source>
        <translation>滾輪向下</translation>
    </message>
    <message>
        <source>Mouse left side key-Go</source>
        <translation>滑鼠側鍵-前進</translation>
    </message>
    <message>
        <source>Mouse left side key-Back</source>
        <translation>滑鼠側鍵-後退</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>關閉視窗</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>顯示桌面</translation>
    </message>
    <message>
        <source>Open my computer</source>
        <translation>開啟我的電腦</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>鎖定電腦</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪下</translation>
    </message>
    <message>
        <source>Stick</source>
        <translation>貼上</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>尋找</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>列印</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>播放一次</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>播放多次</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>連續播放開/關</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>按住按鍵時播放</translation>
    </message>
    <message>
        <source>Macro:</source>
        <translation>巨集:</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>停用</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>設定檔:</translation>
    </message>
</context>
<context>
    <name>DCustomEventListPage</name>
    <message>
        <source>No custom features added</source>
        <translation>未新增自訂功能</translation>
    </message>
</context>
<context>
    <name>DHotKeyPage</name>
    <message>
        <source>Shortcuts</source>
        <translation>快速鍵</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>顯示桌面</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>關閉視窗</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>鎖定電腦</translation>
    </message>
    <message>
        <source>Open my computer</source>
        <translation>開啟我的電腦</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Stick</source>
        <translation>貼上</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>尋找</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪下</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>列印</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>DKeyCombinationPage</name>
    <message>
        <source>key combination</source>
        <translation>組合鍵</translation>
    </message>
    <message>
        <source>Enter key？</source>
        <translation>輸入按鍵？</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>DKeyDisablePage</name>
    <message>
        <source>Disable Key</source>
        <translation>停用按鍵</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>DKeyWithAppPage</name>
    <message>
        <source>Select app</source>
        <translation>選擇應用</translation>
    </message>
    <message>
        <source>App path：D:/EditPlus 3/EditPlus.exe</source>
        <translation>應用路徑：D:/EditPlus 3/EditPlus.exe</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>選擇應用程式</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Select exe</source>
        <translation>選擇程式</translation>
    </message>
    <message>
        <source>App(*)</source>
        <translation>應用(*)</translation>
    </message>
</context>
<context>
    <name>DKeyWithTextPage</name>
    <message>
        <source>Text</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>輸入文字 ...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>DMacroCmdPage</name>
    <message>
        <source>Play Type</source>
        <translation>播放方式</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>播放一次</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>播放多次</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>連續播放開/關</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>按住按鍵時播放</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>指定巨集</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>播放次數</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>播放次數 1、2、3...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>DMouseKeyPage</name>
    <message>
        <source>Mouse Key</source>
        <translation>滑鼠按鍵</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>滑鼠左鍵</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>滑鼠中鍵</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>滑鼠右鍵</translation>
    </message>
    <message>
        <source>Mouse left side key-Back</source>
        <translation>滑鼠側鍵-後退</translation>
    </message>
    <message>
        <source>Mouse left side key-Go</source>
        <translation>滑鼠側鍵-前進</translation>
    </message>
    <message>
        <source>Wheel Down</source>
        <translation>滾輪向下</translation>
    </message>
    <message>
        <source>Wheel Up</source>
        <translation>滾輪向上</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>狙擊鍵</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>DMultimediaPage</name>
    <message>
        <source>Multimedia</source>
        <translation>多媒體</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>播放/暫停</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>下一首</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>上一首</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>音量減</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>音量加</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>靜音</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>播放器</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>計算機</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>我的電腦</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>郵件</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>瀏覽器</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Default</source>
        <translation>預設</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>keyFunctionPageState</name>
    <message>
        <source>No profile is open.</source>
        <translation>未開啟設定檔。</translation>
    </message>
    <message>
        <source>The profile file %1 is missing.</source>
        <translation>設定檔 %1 不存在。</translation>
    </message>
    <message>
        <source>The profile %1 is missing or unreadable in %2.</source>
        <translation>%2 中缺少設定檔 %1 或無法讀取。</translation>
    </message>
    <message>
        <source>The key could not be written to %1.</source>
        <translation>無法將按鍵寫入 %1。</translation>
    </message>
    <message>
        <source>Too long to store: at most %1 bytes.</source>
        <translation>太長，無法儲存：最多 %1 位元組。</translation>
    </message>
</context>
</TS>
