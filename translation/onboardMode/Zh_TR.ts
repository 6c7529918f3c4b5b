<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>DDevicePage</name>
    <message>
        <source>Empty</source>
        <translation>清空</translation>
    </message>
    <message>
        <source>The device is not support On-board</source>
        <translation>該裝置不支援板載模式</translation>
    </message>
    <message>
        <source>The on-board config files cannot be made</source>
        <translation>無法建立板載設定檔</translation>
    </message>
    <message>
        <source>Fast config successful</source>
        <translation>快速設定成功</translation>
    </message>
    <message>
        <source>Fast config failed</source>
        <translation>快速設定失敗</translation>
    </message>
    <message>
        <source>Create new config successful</source>
        <translation>新建設定成功</translation>
    </message>
    <message>
        <source>Create new config failed</source>
        <translation>新建設定失敗</translation>
    </message>
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
        <translation>匯出成功</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>匯出失敗</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>開啟設定檔</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>設定檔(*.xml)</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>請先選擇匯入檔案</translation>
    </message>
    <message>
        <source>The file is not an on-board config file</source>
        <translation>該檔案不是板載設定檔</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>匯入成功</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>匯入失敗</translation>
    </message>
    <message>
        <source>Need keep at least one config</source>
        <translation>至少需要保留一個設定</translation>
    </message>
    <message>
        <source>Delete config successful</source>
        <translation>刪除設定成功</translation>
    </message>
    <message>
        <source>Delete config failed</source>
        <translation>刪除設定失敗</translation>
    </message>
    <message>
        <source>Config name can&apos;t be empty</source>
        <translation>設定名稱不能為空</translation>
    </message>
    <message>
        <source>Config name already exists</source>
        <translation>設定名稱已存在</translation>
    </message>
    <message>
        <source>Modify config name successful</source>
        <translation>修改設定名稱成功</translation>
    </message>
    <message>
        <source>Modify config name failed</source>
        <translation>修改設定名稱失敗</translation>
    </message>
    <message>
        <source>Do you want to keep the FN key setting?</source>
        <translation>是否保留FN鍵設定？</translation>
    </message>
    <message>
        <source>Do you want to keep the FN1 key setting?</source>
        <translation>是否保留FN1鍵設定？</translation>
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
        <translation>清空層成功</translation>
    </message>
    <message>
        <source>Clean layer failed</source>
        <translation>清空層失敗</translation>
    </message>
    <message>
        <source>Empty the key successful</source>
        <translation>清空按鍵成功</translation>
    </message>
    <message>
        <source>Empty the key failed</source>
        <translation>清空按鍵失敗</translation>
    </message>
    <message>
        <source>Please select one Key first!</source>
        <translation>請先選擇一個按鍵！</translation>
    </message>
    <message>
        <source>Set FN key successful</source>
        <translation>設定FN鍵成功</translation>
    </message>
    <message>
        <source>Set FN key failed</source>
        <translation>設定FN鍵失敗</translation>
    </message>
    <message>
        <source>Set FN1 key successful</source>
        <translation>設定FN1鍵成功</translation>
    </message>
    <message>
        <source>Set FN1 key failed</source>
        <translation>設定FN1鍵失敗</translation>
    </message>
    <message>
        <source>Whether to restore the factory settings?</source>
        <translation>是否恢復原廠設定？</translation>
    </message>
    <message>
        <source>Restore the factory settings successful</source>
        <translation>恢復原廠設定成功</translation>
    </message>
    <message>
        <source>Restore the factory settings failed</source>
        <translation>恢復原廠設定失敗</translation>
    </message>
    <message>
        <source>Write Start</source>
        <translation>開始寫入</translation>
    </message>
    <message>
        <source>Onboard Download [Failed]</source>
        <translation>板載下載 [失敗]</translation>
    </message>
    <message>
        <source>Write Over</source>
        <translation>寫入完成</translation>
    </message>
    <message>
        <source>Download config successful</source>
        <translation>下載設定成功</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>下載設定失敗，請重試</translation>
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
        <translation>連續播放 開/關</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>按住按鍵時播放</translation>
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
        <source>Scroll Up</source>
        <translation>向上捲動</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>向下捲動</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>前進</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>後退</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>狙擊鍵</translation>
    </message>
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
        <source>Too many macros (at most 10)</source>
        <translation>巨集過多（最多10個）</translation>
    </message>
    <message>
        <source>Macro too long: %1</source>
        <translation>巨集過長：%1</translation>
    </message>
</context>
</TS>
