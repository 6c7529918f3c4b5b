<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
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
        <translation>مرتبط:</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>نقرة يسرى</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>نقرة وسطى</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>نقرة يمنى</translation>
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
        <translation>مُعيَّن</translation>
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
        <translation>مجموعة الماكرو </translation>
    </message>
    <message>
        <source>Delay setting</source>
        <translation>إعداد التأخير</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>التأخير المسجل</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>بدون تأخير</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>التأخير الافتراضي</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>مللي ثانية</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>تسجيل</translation>
    </message>
    <message>
        <source>Macro record</source>
        <translation>تسجيل الماكرو</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>التسجيل فارغ</translation>
    </message>
    <message>
        <source>0 MS</source>
        <translation>0 MS</translation>
    </message>
    <message>
        <source>Insert Macro</source>
        <translation>إدراج في الماكرو</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>الموضع</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>إدراج الحدث بعد</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>إدراج الحدث قبل</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>الحدث</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>لوحة المفاتيح</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>الفأرة</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>التأخير</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>الإجراء</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>الرجاء إدخال مفتاح</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>نقرة يسرى</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>نقرة وسطى</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>نقرة يمنى</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>الرجاء إدخال التأخير</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>إدراج</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>الخصائص</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>المفتاح</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>الفأرة</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>تعديل</translation>
    </message>
    <message>
        <source>Capturing keys and mouse needs an X11 session</source>
        <translation>يتطلب التقاط لوحة المفاتيح والفأرة جلسة X11</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>بدأ تسجيل الماكرو</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>توقف تسجيل الماكرو</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>إيقاف</translation>
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
        <source>Clear</source>
        <translation>مسح</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>لأعلى</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>لأسفل</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>الرجاء تحديد موضع أولاً</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>تم بلوغ الحد الأقصى للأحداث</translation>
    </message>
    <message>
        <source>Insert failed</source>
        <translation>فشل الإدراج</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>تم الإدراج بنجاح</translation>
    </message>
    <message>
        <source>Modify failed</source>
        <translation>فشل التعديل</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>تم التعديل بنجاح</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>تمت إضافة الماكرو بنجاح</translation>
    </message>
    <message>
        <source>Add macro failed</source>
        <translation>فشلت إضافة الماكرو</translation>
    </message>
    <message>
        <source>Delete macro failed</source>
        <translation>فشل حذف الماكرو</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>تم حذف الماكرو بنجاح</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>الرجاء تحديد ماكرو أولاً</translation>
    </message>
    <message>
        <source>Clear record macro failed</source>
        <translation>فشل مسح الماكرو</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>تم مسح الماكرو بنجاح</translation>
    </message>
    <message>
        <source>Not a macro file</source>
        <translation>ليس ملف ماكرو</translation>
    </message>
    <message>
        <source>The macro file holds invalid events</source>
        <translation>يحتوي ملف الماكرو على أحداث غير صالحة</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>تم استيراد الماكرو بنجاح</translation>
    </message>
    <message>
        <source>Import macro failed</source>
        <translation>فشل استيراد الماكرو</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>الرجاء تحديد مجلد الحفظ أولاً</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>تم تصدير الماكرو بنجاح</translation>
    </message>
    <message>
        <source>Export macro failed</source>
        <translation>فشل تصدير الماكرو</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>لا يمكن أن يكون اسم الماكرو فارغًا</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>تمت إعادة تسمية الماكرو بنجاح</translation>
    </message>
    <message>
        <source>Modify macro name failed</source>
        <translation>فشلت إعادة تسمية الماكرو</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>فتح ملف ماكرو</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>ملفات الماكرو(*.xml)</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>مجلد الحفظ</translation>
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
        <translation>تصدير</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>إعادة التسمية</translation>
    </message>
</context>
</TS>
