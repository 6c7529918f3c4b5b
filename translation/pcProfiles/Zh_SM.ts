<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>DDevicePage</name>
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
        <translation>导出配置成功</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>导出配置失败</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>至少需要保留一个配置</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>删除配置成功</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>删除配置失败</translation>
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
        <source>The file is not a profile file</source>
        <translation>该文件不是配置文件</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>导入配置成功</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>导入配置失败</translation>
    </message>
    <message>
        <source>Add profile successful</source>
        <translation>添加配置成功</translation>
    </message>
    <message>
        <source>Add profile failed</source>
        <translation>添加配置失败</translation>
    </message>
    <message>
        <source>Select exe</source>
        <translation>选择程序</translation>
    </message>
    <message>
        <source>App(*)</source>
        <translation>程序(*)</translation>
    </message>
    <message>
        <source>Profile name can't empty</source>
        <translation>配置名称不能为空</translation>
    </message>
    <message>
        <source>Profile name or path too long</source>
        <translation>配置名称或路径过长</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>修改配置信息成功</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>修改配置信息失败</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>是否重置当前配置？</translation>
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
        <source>Reset the current profile successful</source>
        <translation>重置当前配置成功</translation>
    </message>
    <message>
        <source>Reset the current profile failed</source>
        <translation>重置当前配置失败</translation>
    </message>
</context>
</TS>
