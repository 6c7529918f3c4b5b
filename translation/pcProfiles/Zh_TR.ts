<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>DDevicePage</name>
    <message>
        <source>Save directory</source>
        <translation>儲存目錄</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>請先選擇儲存目錄</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>匯出設定檔成功</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>匯出設定檔失敗</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>至少需要保留一個設定檔</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>刪除設定檔成功</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>刪除設定檔失敗</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>開啟設定檔檔案</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>設定檔檔案(*.xml)</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>請先選擇匯入檔案</translation>
    </message>
    <message>
        <source>The file is not a profile file</source>
        <translation>該檔案不是設定檔檔案</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>匯入設定檔成功</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>匯入設定檔失敗</translation>
    </message>
    <message>
        <source>Add profile successful</source>
        <translation>新增設定檔成功</translation>
    </message>
    <message>
        <source>Add profile failed</source>
        <translation>新增設定檔失敗</translation>
    </message>
    <message>
        <source>Select exe</source>
        <translation>選擇程式</translation>
    </message>
    <message>
        <source>App(*)</source>
        <translation>程式(*)</translation>
    </message>
    <message>
        <source>Profile name can't empty</source>
        <translation>設定檔名稱不能為空</translation>
    </message>
    <message>
        <source>Profile name or path too long</source>
        <translation>設定檔名稱或路徑過長</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>修改設定檔資訊成功</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>修改設定檔資訊失敗</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>是否重設目前設定檔？</translation>
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
        <translation>重設目前設定檔成功</translation>
    </message>
    <message>
        <source>Reset the current profile failed</source>
        <translation>重設目前設定檔失敗</translation>
    </message>
</context>
</TS>
