<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>DDevicePage</name>
    <message>
        <source>Profile 1</source>
        <translation>الملف الشخصي 1</translation>
    </message>
    <message>
        <source>测试按键</source>
        <translation>زر الاختبار</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>تخصيص المفاتيح</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>إعدادات الإضاءة</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>لوحة المفاتيح</translation>
    </message>
    <message>
        <source>Side Light</source>
        <translation>الإضاءة الجانبية</translation>
    </message>
    <message>
        <source>Profile Group </source>
        <translation>مجموعة الملفات الشخصية </translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>اسم الملف الشخصي</translation>
    </message>
    <message>
        <source>Profile Name</source>
        <translation>اسم الملف الشخصي</translation>
    </message>
    <message>
        <source>Link profile to program</source>
        <translation>ربط الملف الشخصي ببرنامج</translation>
    </message>
    <message>
        <source>App path：/usr/bin/program</source>
        <translation>مسار التطبيق：/usr/bin/program</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>اختيار تطبيق</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>المنتج</translation>
    </message>
    <message>
        <source>Keyboard Name</source>
        <translation>اسم لوحة المفاتيح</translation>
    </message>
    <message>
        <source>APP mode</source>
        <translation>وضع التطبيق</translation>
    </message>
    <message>
        <source>Onboard Editor</source>
        <translation>محرر الذاكرة المدمجة</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>الطبقة الافتراضية</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>طبقة FN1</translation>
    </message>
    <message>
        <source>FN(无效)</source>
        <translation>FN (غير فعال)</translation>
    </message>
    <message>
        <source>Set FN1</source>
        <translation>تعيين FN1</translation>
    </message>
    <message>
        <source>Light Synchronize</source>
        <translation>مزامنة الإضاءة</translation>
    </message>
    <message>
        <source>Log infomsg</source>
        <translation>رسالة السجل</translation>
    </message>
    <message>
        <source>Restore factory settings</source>
        <translation>استعادة إعدادات المصنع</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>تنزيل إلى اللوحة</translation>
    </message>
    <message>
        <source>Lighting Effect</source>
        <translation>تأثير الإضاءة</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>الأداء</translation>
    </message>
    <message>
        <source>Custom List</source>
        <translation>القائمة المخصصة</translation>
    </message>
    <message>
        <source>DPI Config</source>
        <translation>إعداد DPI</translation>
    </message>
    <message>
        <source>Soft Keyboard</source>
        <translation>لوحة المفاتيح الافتراضية</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>الجهاز غير متصل</translation>
    </message>
    <message>
        <source>Please open hid first!</source>
        <translation>يرجى توصيل الجهاز أولاً!</translation>
    </message>
    <message>
        <source>Currently in On-board mode, please exit first</source>
        <translation>الجهاز في وضع الذاكرة المدمجة، يرجى الخروج منه أولاً</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>استيراد</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>إضافة</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>افتراضي</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>ماكرو</translation>
    </message>
    <message>
        <source>Remap key</source>
        <translation>إعادة تعيين المفتاح</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>الفأرة</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>نص</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>تعطيل</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>الوسائط المتعددة</translation>
    </message>
    <message>
        <source>key combination</source>
        <translation>تركيبة مفاتيح</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>اختصارات</translation>
    </message>
    <message>
        <source>Switch profile</source>
        <translation>تبديل الملف الشخصي</translation>
    </message>
    <message>
        <source>Launch application</source>
        <translation>تشغيل تطبيق</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>ثابت</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>نيون</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>تنفس</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>موجة</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>وميض</translation>
    </message>
    <message>
        <source>Snack</source>
        <translation>ثعبان</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>رادار</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>تموج تلقائي</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>خطوط</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>شفق</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>تموج</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>تفاعلي</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>تقاطع</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>ألعاب نارية</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>استجابة السرعة</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>إيقاع موسيقي</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>مخصص</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>تصادم</translation>
    </message>
    <message>
        <source>The device's profile folder could not be created</source>
        <translation>تعذّر إنشاء مجلد ملف تعريف الجهاز</translation>
    </message>
    <message>
        <source>The device's profile file could not be read</source>
        <translation>تعذّرت قراءة ملف تعريف الجهاز</translation>
    </message>
    <message>
        <source>The device's profile file could not be read; it was set aside and a new one made</source>
        <translation>تعذّرت قراءة ملف تعريف الجهاز؛ تم وضعه جانبًا وإنشاء ملف جديد</translation>
    </message>
    <message>
        <source>The device's profile file could not be created</source>
        <translation>تعذّر إنشاء ملف تعريف الجهاز</translation>
    </message>
</context>
</TS>
