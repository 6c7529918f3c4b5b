<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>DDevicePage</name>
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
        <translation>تم تصدير الملف الشخصي بنجاح</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>فشل تصدير الملف الشخصي</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>يجب الاحتفاظ بملف شخصي واحد على الأقل</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>تم حذف الملف الشخصي بنجاح</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>فشل حذف الملف الشخصي</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>فتح ملف الملف الشخصي</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>ملفات الملف الشخصي(*.xml)</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>يرجى اختيار ملف الاستيراد أولاً</translation>
    </message>
    <message>
        <source>The file is not a profile file</source>
        <translation>هذا الملف ليس ملفًا شخصيًا</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>تم استيراد الملف الشخصي بنجاح</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>فشل استيراد الملف الشخصي</translation>
    </message>
    <message>
        <source>Add profile successful</source>
        <translation>تمت إضافة الملف الشخصي بنجاح</translation>
    </message>
    <message>
        <source>Add profile failed</source>
        <translation>فشلت إضافة الملف الشخصي</translation>
    </message>
    <message>
        <source>Select exe</source>
        <translation>اختيار البرنامج</translation>
    </message>
    <message>
        <source>App(*)</source>
        <translation>البرامج(*)</translation>
    </message>
    <message>
        <source>Profile name can't empty</source>
        <translation>لا يمكن أن يكون اسم الملف الشخصي فارغًا</translation>
    </message>
    <message>
        <source>Profile name or path too long</source>
        <translation>اسم الملف الشخصي أو المسار طويل جدًا</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>تم تعديل معلومات الملف الشخصي بنجاح</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>فشل تعديل معلومات الملف الشخصي</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>تنبيه</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>هل تريد إعادة تعيين ملف التعريف الحالي؟</translation>
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
        <source>Reset the current profile successful</source>
        <translation>تمت إعادة تعيين ملف التعريف الحالي بنجاح</translation>
    </message>
    <message>
        <source>Reset the current profile failed</source>
        <translation>فشلت إعادة تعيين ملف التعريف الحالي</translation>
    </message>
</context>
</TS>
