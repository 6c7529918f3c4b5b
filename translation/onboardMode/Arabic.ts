<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>DDevicePage</name>
    <message>
        <source>Empty</source>
        <translation>فارغ</translation>
    </message>
    <message>
        <source>The device is not support On-board</source>
        <translation>الجهاز لا يدعم الوضع المدمج</translation>
    </message>
    <message>
        <source>The on-board config files cannot be made</source>
        <translation>تعذر إنشاء ملفات الإعداد المدمجة</translation>
    </message>
    <message>
        <source>Fast config successful</source>
        <translation>تم الإعداد السريع بنجاح</translation>
    </message>
    <message>
        <source>Fast config failed</source>
        <translation>فشل الإعداد السريع</translation>
    </message>
    <message>
        <source>Create new config successful</source>
        <translation>تم إنشاء إعداد جديد بنجاح</translation>
    </message>
    <message>
        <source>Create new config failed</source>
        <translation>فشل إنشاء إعداد جديد</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>مجلد الحفظ</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>يرجى اختيار مجلد الحفظ أولاً</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>تم التصدير بنجاح</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>فشل التصدير</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>فتح ملف الإعداد</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>ملفات الإعداد(*.xml)</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>يرجى اختيار ملف الاستيراد أولاً</translation>
    </message>
    <message>
        <source>The file is not an on-board config file</source>
        <translation>الملف ليس ملف إعداد مدمج</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>تم الاستيراد بنجاح</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>فشل الاستيراد</translation>
    </message>
    <message>
        <source>Need keep at least one config</source>
        <translation>يجب الاحتفاظ بإعداد واحد على الأقل</translation>
    </message>
    <message>
        <source>Delete config successful</source>
        <translation>تم حذف الإعداد</translation>
    </message>
    <message>
        <source>Delete config failed</source>
        <translation>فشل حذف الإعداد</translation>
    </message>
    <message>
        <source>Config name can&apos;t be empty</source>
        <translation>لا يمكن أن يكون اسم الإعداد فارغاً</translation>
    </message>
    <message>
        <source>Config name already exists</source>
        <translation>اسم الإعداد موجود مسبقاً</translation>
    </message>
    <message>
        <source>Modify config name successful</source>
        <translation>تم تعديل اسم الإعداد</translation>
    </message>
    <message>
        <source>Modify config name failed</source>
        <translation>فشل تعديل اسم الإعداد</translation>
    </message>
    <message>
        <source>Do you want to keep the FN key setting?</source>
        <translation>هل تريد الاحتفاظ بإعداد مفتاح FN؟</translation>
    </message>
    <message>
        <source>Do you want to keep the FN1 key setting?</source>
        <translation>هل تريد الاحتفاظ بإعداد مفتاح FN1؟</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>تنبيه</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>نعم</translation>
    </message>
    <message>
        <source>No</source>
        <translation>لا</translation>
    </message>
    <message>
        <source>Clean layer successful</source>
        <translation>تم مسح الطبقة</translation>
    </message>
    <message>
        <source>Clean layer failed</source>
        <translation>فشل مسح الطبقة</translation>
    </message>
    <message>
        <source>Empty the key successful</source>
        <translation>تم تفريغ المفتاح</translation>
    </message>
    <message>
        <source>Empty the key failed</source>
        <translation>فشل تفريغ المفتاح</translation>
    </message>
    <message>
        <source>Please select one Key first!</source>
        <translation>يرجى اختيار مفتاح أولاً!</translation>
    </message>
    <message>
        <source>Set FN key successful</source>
        <translation>تم تعيين مفتاح FN</translation>
    </message>
    <message>
        <source>Set FN key failed</source>
        <translation>فشل تعيين مفتاح FN</translation>
    </message>
    <message>
        <source>Set FN1 key successful</source>
        <translation>تم تعيين مفتاح FN1</translation>
    </message>
    <message>
        <source>Set FN1 key failed</source>
        <translation>فشل تعيين مفتاح FN1</translation>
    </message>
    <message>
        <source>Whether to restore the factory settings?</source>
        <translation>هل تريد استعادة إعدادات المصنع؟</translation>
    </message>
    <message>
        <source>Restore the factory settings successful</source>
        <translation>تمت استعادة إعدادات المصنع</translation>
    </message>
    <message>
        <source>Restore the factory settings failed</source>
        <translation>فشلت استعادة إعدادات المصنع</translation>
    </message>
    <message>
        <source>Write Start</source>
        <translation>بدء الكتابة</translation>
    </message>
    <message>
        <source>Onboard Download [Failed]</source>
        <translation>التنزيل المدمج [فشل]</translation>
    </message>
    <message>
        <source>Write Over</source>
        <translation>اكتملت الكتابة</translation>
    </message>
    <message>
        <source>Download config successful</source>
        <translation>تم تنزيل الإعداد بنجاح</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>فشل تنزيل الإعداد، يرجى المحاولة مرة أخرى</translation>
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
        <translation>تشغيل/إيقاف التشغيل المستمر</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>تشغيل أثناء الضغط على المفتاح</translation>
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
        <translation>التمرير للأعلى</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>التمرير للأسفل</translation>
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
        <translation>مفتاح القناص</translation>
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
        <translation>الحاسبة</translation>
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
        <translation>البريد</translation>
    </message>
    <message>
        <source>Too many macros (at most 10)</source>
        <translation>عدد كبير جداً من الماكرو (10 كحد أقصى)</translation>
    </message>
    <message>
        <source>Macro too long: %1</source>
        <translation>الماكرو طويل جداً: %1</translation>
    </message>
</context>
</TS>
