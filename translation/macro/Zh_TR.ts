<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
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
        <translation>關聯：</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>左鍵單擊</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>中鍵單擊</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>右鍵單擊</translation>
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
        <translation>已綁定</translation>
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
        <translation>巨集組 </translation>
    </message>
    <message>
        <source>Delay setting</source>
        <translation>延遲設定</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>錄製延遲</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>無延遲</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>預設延遲</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>毫秒</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>錄製</translation>
    </message>
    <message>
        <source>Macro record</source>
        <translation>巨集錄製</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>錄製為空</translation>
    </message>
    <message>
        <source>0 MS</source>
        <translation>0 MS</translation>
    </message>
    <message>
        <source>Insert Macro</source>
        <translation>插入巨集</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>在之後插入事件</translation>
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
        <translation>鍵盤事件</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>滑鼠事件</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>延遲</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>請輸入按鍵</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>左鍵單擊</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>中鍵單擊</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>右鍵單擊</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>請輸入延遲</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>插入</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>屬性</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>按鍵</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>滑鼠</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>修改</translation>
    </message>
    <message>
        <source>Capturing keys and mouse needs an X11 session</source>
        <translation>擷取鍵盤和滑鼠需要 X11 工作階段</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>開始錄製巨集</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>停止錄製巨集</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
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
        <translation>請先選擇具體位置</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>事件記錄已達上限</translation>
    </message>
    <message>
        <source>Insert failed</source>
        <translation>插入失敗</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>插入成功</translation>
    </message>
    <message>
        <source>Modify failed</source>
        <translation>修改失敗</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>修改成功</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>新增巨集成功</translation>
    </message>
    <message>
        <source>Add macro failed</source>
        <translation>新增巨集失敗</translation>
    </message>
    <message>
        <source>Delete macro failed</source>
        <translation>刪除巨集失敗</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>刪除巨集成功</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>請先選擇巨集</translation>
    </message>
    <message>
        <source>Clear record macro failed</source>
        <translation>清空巨集失敗</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>清空巨集成功</translation>
    </message>
    <message>
        <source>Not a macro file</source>
        <translation>不是巨集檔案</translation>
    </message>
    <message>
        <source>The macro file holds invalid events</source>
        <translation>巨集檔案包含無效事件</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>匯入巨集成功</translation>
    </message>
    <message>
        <source>Import macro failed</source>
        <translation>匯入巨集失敗</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>請先選擇儲存目錄</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>匯出巨集成功</translation>
    </message>
    <message>
        <source>Export macro failed</source>
        <translation>匯出巨集失敗</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>巨集名稱不能為空</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>修改巨集名稱成功</translation>
    </message>
    <message>
        <source>Modify macro name failed</source>
        <translation>修改巨集名稱失敗</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>開啟巨集檔案</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>巨集檔案(*.xml)</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>儲存目錄</translation>
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
        <translation>匯出</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>修改名稱</translation>
    </message>
</context>
</TS>
