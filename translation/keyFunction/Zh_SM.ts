<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Assign proFile</source>
        <translation>指定配置文件</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
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
        <translation>按键重映射</translation>
    </message>
    <message>
        <source>Remap with key ？</source>
        <translation>映射为按键？</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
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
        <translation>音量减</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>静音</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>播放/暂停</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>下一曲</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>上一曲</translation>
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
        <translation>计算器</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>我的电脑</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>浏览器</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>邮件</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>鼠标左键</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>鼠标中键</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>鼠标右键</translation>
    </message>
    <message>
        <source>Wheel Up</source>
        <translation>滚轮向上</translation>
    </message>
    <message>
        <source>Wheel Down</source>
        <translation>滚轮向下</translation>
    </message>
    <message>
        <source>Mouse left side key-Go</source>
        <translation>鼠标侧键-前进</translation>
    </message>
    <message>
        <source>Mouse left side key-Back</source>
        <translation>鼠标侧键-后退</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>关闭窗口</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>显示桌面</translation>
    </message>
    <message>
        <source>Open my computer</source>
        <translation>打开我的电脑</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>锁定电脑</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>Stick</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>查找</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
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
        <translation>连续播放开/关</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>按住按键时播放</translation>
    </message>
    <message>
        <source>Macro:</source>
        <translation>宏:</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>禁用</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>配置文件:</translation>
    </message>
</context>
<context>
    <name>DCustomEventListPage</name>
    <message>
        <source>No custom features added</source>
        <translation>未添加自定义功能</translation>
    </message>
</context>
<context>
    <name>DHotKeyPage</name>
    <message>
        <source>Shortcuts</source>
        <translation>快捷键</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>显示桌面</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>关闭窗口</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>锁定电脑</translation>
    </message>
    <message>
        <source>Open my computer</source>
        <translation>打开我的电脑</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Stick</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>查找</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
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
        <translation>组合键</translation>
    </message>
    <message>
        <source>Enter key？</source>
        <translation>输入按键？</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
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
        <translation>禁用按键</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
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
        <translation>选择应用</translation>
    </message>
    <message>
        <source>App path：D:/EditPlus 3/EditPlus.exe</source>
        <translation>应用路径：D:/EditPlus 3/EditPlus.exe</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>选择应用程序</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Select exe</source>
        <translation>选择程序</translation>
    </message>
    <message>
        <source>App(*)</source>
        <translation>应用(*)</translation>
    </message>
</context>
<context>
    <name>DKeyWithTextPage</name>
    <message>
        <source>Text</source>
        <translation>文本</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>输入文本 ...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
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
        <translation>连续播放开/关</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>按住按键时播放</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>指定宏</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>播放次数</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>播放次数 1、2、3...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
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
        <translation>鼠标按键</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>鼠标左键</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>鼠标中键</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>鼠标右键</translation>
    </message>
    <message>
        <source>Mouse left side key-Back</source>
        <translation>鼠标侧键-后退</translation>
    </message>
    <message>
        <source>Mouse left side key-Go</source>
        <translation>鼠标侧键-前进</translation>
    </message>
    <message>
        <source>Wheel Down</source>
        <translation>滚轮向下</translation>
    </message>
    <message>
        <source>Wheel Up</source>
        <translation>滚轮向上</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>狙击键</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
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
        <translation>多媒体</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>播放/暂停</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>下一曲</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>上一曲</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>音量减</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>音量加</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>静音</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>播放器</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>计算器</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>我的电脑</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>邮件</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>浏览器</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
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
        <translation>默认</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
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
        <translation>未打开配置文件。</translation>
    </message>
    <message>
        <source>The profile file %1 is missing.</source>
        <translation>配置文件 %1 不存在。</translation>
    </message>
    <message>
        <source>The profile %1 is missing or unreadable in %2.</source>
        <translation>%2 中缺少配置文件 %1 或无法读取。</translation>
    </message>
    <message>
        <source>The key could not be written to %1.</source>
        <translation>无法将按键写入 %1。</translation>
    </message>
    <message>
        <source>Too long to store: at most %1 bytes.</source>
        <translation>太长，无法保存：最多 %1 字节。</translation>
    </message>
</context>
</TS>
