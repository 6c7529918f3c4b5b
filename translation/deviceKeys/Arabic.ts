<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>DDevicePage</name>
    <message>
        <source>Please select one Key first!</source>
        <translation>يرجى اختيار مفتاح أولاً!</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>تمت العملية بنجاح</translation>
    </message>
    <message>
        <source>Operate failed</source>
        <translation>فشلت العملية</translation>
    </message>
    <message>
        <source>The macro is too long for the mouse (at most 50 events)</source>
        <translation>الماكرو طويل جدًا على الفأرة (50 حدثًا كحد أقصى)</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>فارغ</translation>
    </message>
</context>
</TS>
