<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Assign proFile</source>
        <translation>تعيين ملف التعريف</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>DChangeKeyPage</name>
    <message>
        <source>Remap Key</source>
        <translation>إعادة تعيين المفتاح</translation>
    </message>
    <message>
        <source>Remap with key ？</source>
        <translation>إعادة التعيين بالمفتاح؟</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>DCustomEventListItem</name>
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
        <translation>زر الماوس الأيسر</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>زر الماوس الأوسط</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>زر الماوس الأيمن</translation>
    </message>
    <message>
        <source>Wheel Up</source>
        <translation>تمرير العجلة لأعلى</translation>
    </message>
    <message>
        <source>Wheel Down</source>
        <translation>تمرير العجلة لأسفل</translation>
    </message>
    <message>
        <source>Mouse left side key-Go</source>
        <translation>زر الماوس الجانبي - تقدم</translation>
    </message>
    <message>
        <source>Mouse left side key-Back</source>
        <translation>زر الماوس الجانبي - رجوع</translation>
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
        <translation>تشغيل/إيقاف التشغيل المستمر</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>التشغيل أثناء الضغط على المفتاح المعيَّن</translation>
    </message>
    <message>
        <source>Macro:</source>
        <translation>ماكرو:</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>معطّل</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>ملف التعريف:</translation>
    </message>
</context>
<context>
    <name>DCustomEventListPage</name>
    <message>
        <source>No custom features added</source>
        <translation>لم تتم إضافة وظائف مخصصة</translation>
    </message>
</context>
<context>
    <name>DHotKeyPage</name>
    <message>
        <source>Shortcuts</source>
        <translation>الاختصارات</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>إظهار سطح المكتب</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>إغلاق النافذة</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>قفل الكمبيوتر</translation>
    </message>
    <message>
        <source>Open my computer</source>
        <translation>فتح جهاز الكمبيوتر</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>نسخ</translation>
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
        <source>Cut</source>
        <translation>قص</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>DKeyCombinationPage</name>
    <message>
        <source>key combination</source>
        <translation>مجموعة مفاتيح</translation>
    </message>
    <message>
        <source>Enter key？</source>
        <translation>أدخل المفتاح؟</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>DKeyDisablePage</name>
    <message>
        <source>Disable Key</source>
        <translation>تعطيل المفتاح</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>DKeyWithAppPage</name>
    <message>
        <source>Select app</source>
        <translation>اختيار التطبيق</translation>
    </message>
    <message>
        <source>App path：D:/EditPlus 3/EditPlus.exe</source>
        <translation>مسار التطبيق：D:/EditPlus 3/EditPlus.exe</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>اختيار تطبيق</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Select exe</source>
        <translation>اختيار برنامج</translation>
    </message>
    <message>
        <source>App(*)</source>
        <translation>تطبيق(*)</translation>
    </message>
</context>
<context>
    <name>DKeyWithTextPage</name>
    <message>
        <source>Text</source>
        <translation>نص</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>أدخل النص ...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>DMacroCmdPage</name>
    <message>
        <source>Play Type</source>
        <translation>نوع التشغيل</translation>
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
        <translation>تشغيل/إيقاف التشغيل المستمر</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>التشغيل أثناء الضغط على المفتاح المعيَّن</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>تعيين ماكرو</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>عدد مرات التشغيل</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>عدد مرات التشغيل 1،2،3...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>DMouseKeyPage</name>
    <message>
        <source>Mouse Key</source>
        <translation>مفتاح الماوس</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>زر الماوس الأيسر</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>زر الماوس الأوسط</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>زر الماوس الأيمن</translation>
    </message>
    <message>
        <source>Mouse left side key-Back</source>
        <translation>زر الماوس الجانبي - رجوع</translation>
    </message>
    <message>
        <source>Mouse left side key-Go</source>
        <translation>زر الماوس الجانبي - تقدم</translation>
    </message>
    <message>
        <source>Wheel Down</source>
        <translation>تمرير العجلة لأسفل</translation>
    </message>
    <message>
        <source>Wheel Up</source>
        <translation>تمرير العجلة لأعلى</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>مفتاح القنص</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>DMultimediaPage</name>
    <message>
        <source>Multimedia</source>
        <translation>الوسائط المتعددة</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>تشغيل/إيقاف مؤقت</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>إيقاف</translation>
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
        <source>Volume Down</source>
        <translation>خفض الصوت</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>رفع الصوت</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>كتم الصوت</translation>
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
        <source>Email</source>
        <translation>البريد الإلكتروني</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>المتصفح</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Default</source>
        <translation>افتراضي</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>keyFunctionPageState</name>
    <message>
        <source>No profile is open.</source>
        <translation>لا يوجد ملف تعريف مفتوح.</translation>
    </message>
    <message>
        <source>The profile file %1 is missing.</source>
        <translation>ملف التعريف %1 مفقود.</translation>
    </message>
    <message>
        <source>The profile %1 is missing or unreadable in %2.</source>
        <translation>ملف التعريف %1 مفقود أو غير قابل للقراءة في %2.</translation>
    </message>
    <message>
        <source>The key could not be written to %1.</source>
        <translation>تعذّرت كتابة المفتاح في %1.</translation>
    </message>
    <message>
        <source>Too long to store: at most %1 bytes.</source>
        <translation>طويل جدًا للحفظ: الحد الأقصى %1 بايت.</translation>
    </message>
</context>
</TS>
