<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>DDevicePage</name>
    <message>
        <source>Empty</source>
        <translation>清空</translation>
    </message>
    <message>
        <source>The device is not support On-board</source>
        <translation>该设备不支持板载模式</translation>
    </message>
    <message>
        <source>The on-board config files cannot be made</source>
        <translation>无法创建板载配置文件</translation>
    </message>
    <message>
        <source>Fast config successful</source>
        <translation>快速配置成功</translation>
    </message>
    <message>
        <source>Fast config failed</source>
        <translation>快速配置失败</translation>
    </message>
    <message>
        <source>Create new config successful</source>
        <translation>新建配置成功</translation>
    </message>
    <message>
        <source>Create new config failed</source>
        <translation>新建配置失败</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>保存目录</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>请先选择保存目录</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>导出成功</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>导出失败</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>打开配置文件</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>配置文件(*.xml)</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>请先选择导入文件</translation>
    </message>
    <message>
        <source>The file is not an on-board config file</source>
        <translation>该文件不是板载配置文件</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>导入成功</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>导入失败</translation>
    </message>
    <message>
        <source>Need keep at least one config</source>
        <translation>至少需要保留一个配置</translation>
    </message>
    <message>
        <source>Delete config successful</source>
        <translation>删除配置成功</translation>
    </message>
    <message>
        <source>Delete config failed</source>
        <translation>删除配置失败</translation>
    </message>
    <message>
        <source>Config name can&apos;t be empty</source>
        <translation>配置名称不能为空</translation>
    </message>
    <message>
        <source>Config name already exists</source>
        <translation>配置名称已存在</translation>
    </message>
    <message>
        <source>Modify config name successful</source>
        <translation>修改配置名称成功</translation>
    </message>
    <message>
        <source>Modify config name failed</source>
        <translation>修改配置名称失败</translation>
    </message>
    <message>
        <source>Do you want to keep the FN key setting?</source>
        <translation>是否保留FN键设置？</translation>
    </message>
    <message>
        <source>Do you want to keep the FN1 key setting?</source>
        <translation>是否保留FN1键设置？</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Clean layer successful</source>
        <translation>清空层成功</translation>
    </message>
    <message>
        <source>Clean layer failed</source>
        <translation>清空层失败</translation>
    </message>
    <message>
        <source>Empty the key successful</source>
        <translation>清空按键成功</translation>
    </message>
    <message>
        <source>Empty the key failed</source>
        <translation>清空按键失败</translation>
    </message>
    <message>
        <source>Please select one Key first!</source>
        <translation>请先选择一个按键！</translation>
    </message>
    <message>
        <source>Set FN key successful</source>
        <translation>设置FN键成功</translation>
    </message>
    <message>
        <source>Set FN key failed</source>
        <translation>设置FN键失败</translation>
    </message>
    <message>
        <source>Set FN1 key successful</source>
        <translation>设置FN1键成功</translation>
    </message>
    <message>
        <source>Set FN1 key failed</source>
        <translation>设置FN1键失败</translation>
    </message>
    <message>
        <source>Whether to restore the factory settings?</source>
        <translation>是否恢复出厂设置？</translation>
    </message>
    <message>
        <source>Restore the factory settings successful</source>
        <translation>恢复出厂设置成功</translation>
    </message>
    <message>
        <source>Restore the factory settings failed</source>
        <translation>恢复出厂设置失败</translation>
    </message>
    <message>
        <source>Write Start</source>
        <translation>开始写入</translation>
    </message>
    <message>
        <source>Onboard Download [Failed]</source>
        <translation>板载下载 [失败]</translation>
    </message>
    <message>
        <source>Write Over</source>
        <translation>写入完成</translation>
    </message>
    <message>
        <source>Download config successful</source>
        <translation>下载配置成功</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>下载配置失败，请重试</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>未知</translation>
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
        <translation>连续播放 开/关</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>按住按键时播放</translation>
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
        <source>Scroll Up</source>
        <translation>向上滚动</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>向下滚动</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>前进</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>后退</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>狙击键</translation>
    </message>
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
        <source>Too many macros (at most 10)</source>
        <translation>宏过多（最多10个）</translation>
    </message>
    <message>
        <source>Macro too long: %1</source>
        <translation>宏过长：%1</translation>
    </message>
</context>
</TS>
