<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>DDpiConfigListItem</name>
    <message>
        <source>DDpiConfigListItem</source>
        <translation>DDpiConfigListItem</translation>
    </message>
    <message>
        <source>Sniper</source>
        <translation>قناص</translation>
    </message>
    <message>
        <source>X:</source>
        <translation>X:</translation>
    </message>
    <message>
        <source>Y:</source>
        <translation>Y:</translation>
    </message>
    <message>
        <source>X/Y:</source>
        <translation>X/Y:</translation>
    </message>
</context>
<context>
    <name>DMouseLightPage</name>
    <message>
        <source>DMouseLightPage</source>
        <translation>DMouseLightPage</translation>
    </message>
    <message>
        <source>Light Around</source>
        <translation>الإضاءة المحيطة</translation>
    </message>
    <message>
        <source>Scroll</source>
        <translation>العجلة</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>الشعار</translation>
    </message>
</context>
<context>
    <name>DMousePage</name>
    <message>
        <source>DMousePage</source>
        <translation>DMousePage</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>نقرة يسرى</translation>
    </message>
    <message>
        <source>Dpi Loop</source>
        <translation>تبديل DPI</translation>
    </message>
    <message>
        <source>Forward_L</source>
        <translation>للأمام (يسار)</translation>
    </message>
    <message>
        <source>Backward_L</source>
        <translation>للخلف (يسار)</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>نقرة يمنى</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>نقرة وسطى</translation>
    </message>
    <message>
        <source>Forward_R</source>
        <translation>للأمام (يمين)</translation>
    </message>
    <message>
        <source>Backward_R</source>
        <translation>للخلف (يمين)</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>غير معروف</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>تشغيل مرة واحدة</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>تشغيل عدة مرات</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>تشغيل متواصل تشغيل/إيقاف</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>التشغيل أثناء الضغط على المفتاح المعيّن</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>رفع الصوت</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>خفض الصوت</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>كتم الصوت</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>تشغيل/إيقاف مؤقت</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>المقطع التالي</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>المقطع السابق</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>المشغل</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>الآلة الحاسبة</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>الكمبيوتر</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>المتصفح</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>البريد الإلكتروني</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>زر الفأرة الأيسر</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>زر الفأرة الأوسط</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>زر الفأرة الأيمن</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>التمرير لأعلى</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>التمرير لأسفل</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>للأمام</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>للخلف</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>زر القناص</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>تعطيل</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>إغلاق النافذة</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>إظهار سطح المكتب</translation>
    </message>
    <message>
        <source>Open my computer</source>
        <translation>فتح جهاز الكمبيوتر</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>قفل الكمبيوتر</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>نسخ</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>قص</translation>
    </message>
    <message>
        <source>Stick</source>
        <translation>لصق</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>بحث</translation>
    </message>
    <message>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
</context>
<context>
    <name>DMousePerformanceView</name>
    <message>
        <source>DMousePerformanceView</source>
        <translation>DMousePerformanceView</translation>
    </message>
    <message>
        <source>Mouse Properties:</source>
        <translation>خصائص الفأرة:</translation>
    </message>
    <message>
        <source>125Hz</source>
        <translation>125Hz</translation>
    </message>
    <message>
        <source>250Hz</source>
        <translation>250Hz</translation>
    </message>
    <message>
        <source>500Hz</source>
        <translation>500Hz</translation>
    </message>
    <message>
        <source>1000Hz</source>
        <translation>1000Hz</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>إعادة تعيين الملف الشخصي الحالي</translation>
    </message>
    <message>
        <source>Mouse Properties</source>
        <translation>خصائص الفأرة</translation>
    </message>
    <message>
        <source>No mouse settings program was found for this desktop.</source>
        <translation>لم يُعثر على برنامج لإعدادات الفأرة في سطح المكتب هذا.</translation>
    </message>
    <message>
        <source>The mouse settings could not be opened: %1</source>
        <translation>تعذّر فتح إعدادات الفأرة: %1</translation>
    </message>
</context>
<context>
    <name>DmouseConfigView</name>
    <message>
        <source>DmouseConfigView</source>
        <translation>DmouseConfigView</translation>
    </message>
    <message>
        <source>Enable X/Y</source>
        <translation>تفعيل X/Y</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>R:</source>
        <translation>R:</translation>
    </message>
    <message>
        <source>G:</source>
        <translation>G:</translation>
    </message>
    <message>
        <source>B:</source>
        <translation>B:</translation>
    </message>
</context>
</TS>
