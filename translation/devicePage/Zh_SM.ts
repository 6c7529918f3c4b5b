<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>DDevicePage</name>
    <message>
        <source>Profile 1</source>
        <translation>配置文件 1</translation>
    </message>
    <message>
        <source>测试按键</source>
        <translation>测试按键</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>按键自定义</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>灯光设置</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>键盘</translation>
    </message>
    <message>
        <source>Side Light</source>
        <translation>侧灯</translation>
    </message>
    <message>
        <source>Profile Group </source>
        <translation>配置文件组 </translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>配置文件名称</translation>
    </message>
    <message>
        <source>Profile Name</source>
        <translation>配置文件名称</translation>
    </message>
    <message>
        <source>Link profile to program</source>
        <translation>将配置文件关联到程序</translation>
    </message>
    <message>
        <source>App path：/usr/bin/program</source>
        <translation>程序路径：/usr/bin/program</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>选择应用程序</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>产品</translation>
    </message>
    <message>
        <source>Keyboard Name</source>
        <translation>键盘名称</translation>
    </message>
    <message>
        <source>APP mode</source>
        <translation>APP 模式</translation>
    </message>
    <message>
        <source>Onboard Editor</source>
        <translation>板载编辑</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>默认层</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>FN1 层</translation>
    </message>
    <message>
        <source>FN(无效)</source>
        <translation>FN(无效)</translation>
    </message>
    <message>
        <source>Set FN1</source>
        <translation>设置 FN1</translation>
    </message>
    <message>
        <source>Light Synchronize</source>
        <translation>灯光同步</translation>
    </message>
    <message>
        <source>Log infomsg</source>
        <translation>日志信息</translation>
    </message>
    <message>
        <source>Restore factory settings</source>
        <translation>恢复出厂设置</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下载</translation>
    </message>
    <message>
        <source>Lighting Effect</source>
        <translation>灯光效果</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>性能</translation>
    </message>
    <message>
        <source>Custom List</source>
        <translation>自定义列表</translation>
    </message>
    <message>
        <source>DPI Config</source>
        <translation>DPI 设置</translation>
    </message>
    <message>
        <source>Soft Keyboard</source>
        <translation>软键盘</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>设备未连接</translation>
    </message>
    <message>
        <source>Please open hid first!</source>
        <translation>请先连接设备！</translation>
    </message>
    <message>
        <source>Currently in On-board mode, please exit first</source>
        <translation>当前为板载模式，请先退出</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>宏</translation>
    </message>
    <message>
        <source>Remap key</source>
        <translation>按键改键</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>鼠标</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文本</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>禁用</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>多媒体</translation>
    </message>
    <message>
        <source>key combination</source>
        <translation>组合键</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>快捷方式</translation>
    </message>
    <message>
        <source>Switch profile</source>
        <translation>切换配置文件</translation>
    </message>
    <message>
        <source>Launch application</source>
        <translation>启动程序</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>常亮</translation>
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
        <translation>闪烁</translation>
    </message>
    <message>
        <source>Snack</source>
        <translation>贪吃蛇</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>雷达</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>自动涟漪</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>条纹</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>极光</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>涟漪</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>触发</translation>
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
        <translation>烟花</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>速度响应</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>音乐律动</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>自定义</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>碰撞</translation>
    </message>
    <message>
        <source>The device's profile folder could not be created</source>
        <translation>无法创建设备的配置文件夹</translation>
    </message>
    <message>
        <source>The device's profile file could not be read</source>
        <translation>无法读取设备的配置文件</translation>
    </message>
    <message>
        <source>The device's profile file could not be read; it was set aside and a new one made</source>
        <translation>无法读取设备的配置文件；已将其另存并新建了一个</translation>
    </message>
    <message>
        <source>The device's profile file could not be created</source>
        <translation>无法创建设备的配置文件</translation>
    </message>
</context>
</TS>
