<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>DCatchKeyAndMouseItem</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>99999 MS</source>
        <translation>99999 MS</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>关联：</source>
        <translation>关联：</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>左键单击</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>中键单击</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>右键单击</translation>
    </message>
</context>
<context>
    <name>DMacroListItem</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Macro01</source>
        <translation>Macro01</translation>
    </message>
    <message>
        <source>Binding</source>
        <translation>已绑定</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Macro Group </source>
        <translation>宏组 </translation>
    </message>
    <message>
        <source>Delay setting</source>
        <translation>延时设置</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>录制延时</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>无延时</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>默认延时</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>毫秒</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>录制</translation>
    </message>
    <message>
        <source>Macro record</source>
        <translation>宏录制</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>录制为空</translation>
    </message>
    <message>
        <source>0 MS</source>
        <translation>0 MS</translation>
    </message>
    <message>
        <source>Insert Macro</source>
        <translation>插入宏</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>在之后插入事件</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>在之前插入事件</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>事件</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>键盘事件</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>鼠标事件</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>延时</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>请输入按键</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>左键单击</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>中键单击</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>右键单击</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>请输入延时</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>插入</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>属性</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>按键</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>鼠标</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>修改</translation>
    </message>
    <message>
        <source>Capturing keys and mouse needs an X11 session</source>
        <translation>捕获键盘和鼠标需要 X11 会话</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>开始录制宏</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>停止录制宏</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
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
        <source>Clear</source>
        <translation>清空</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>请先选择具体位置</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>事件记录已达上限</translation>
    </message>
    <message>
        <source>Insert failed</source>
        <translation>插入失败</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>插入成功</translation>
    </message>
    <message>
        <source>Modify failed</source>
        <translation>修改失败</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>修改成功</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>添加宏成功</translation>
    </message>
    <message>
        <source>Add macro failed</source>
        <translation>添加宏失败</translation>
    </message>
    <message>
        <source>Delete macro failed</source>
        <translation>删除宏失败</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>删除宏成功</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>请先选择宏</translation>
    </message>
    <message>
        <source>Clear record macro failed</source>
        <translation>清空宏失败</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>清空宏成功</translation>
    </message>
    <message>
        <source>Not a macro file</source>
        <translation>不是宏文件</translation>
    </message>
    <message>
        <source>The macro file holds invalid events</source>
        <translation>宏文件包含无效事件</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>导入宏成功</translation>
    </message>
    <message>
        <source>Import macro failed</source>
        <translation>导入宏失败</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>请先选择保存目录</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>导出宏成功</translation>
    </message>
    <message>
        <source>Export macro failed</source>
        <translation>导出宏失败</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>宏名称不能为空</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>修改宏名称成功</translation>
    </message>
    <message>
        <source>Modify macro name failed</source>
        <translation>修改宏名称失败</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>打开宏文件</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>宏文件(*.xml)</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>保存目录</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>修改名称</translation>
    </message>
</context>
</TS>
