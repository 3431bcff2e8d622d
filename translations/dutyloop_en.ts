<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Calendar</name>
    <message numerus="yes">
        <source>%n work days</source>
        <translation>
            <numerusform>%n work day</numerusform>
            <numerusform>%n work days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n off</source>
        <extracomment>The days off beside the work days, as in &quot;12 work days, 19 off&quot;.</extracomment>
        <translation>
            <numerusform>%n off</numerusform>
            <numerusform>%n off</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message numerus="yes">
        <source>%1 has no duty in the next %n days.</source>
        <translation>
            <numerusform>%1 has no duty in the next %n day.</numerusform>
            <numerusform>%1 has no duty in the next %n days.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Holidays</name>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>and %n more</numerusform>
            <numerusform>and %n more</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Publishing</name>
    <message numerus="yes">
        <source>Published %n minutes ago</source>
        <translation>
            <numerusform>Published %n minute ago</numerusform>
            <numerusform>Published %n minutes ago</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Published %n hours ago</source>
        <translation>
            <numerusform>Published %n hour ago</numerusform>
            <numerusform>Published %n hours ago</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Published %n days ago</source>
        <translation>
            <numerusform>Published %n day ago</numerusform>
            <numerusform>Published %n days ago</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changes waiting</source>
        <translation>
            <numerusform>%n change waiting</numerusform>
            <numerusform>%n changes waiting</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changes waiting: %1</source>
        <extracomment>The changes waiting, then why: &quot;3 changes waiting: server unreachable&quot;.</extracomment>
        <translation>
            <numerusform>%n change waiting: %1</numerusform>
            <numerusform>%n changes waiting: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>redirected more than %n times</source>
        <translation>
            <numerusform>redirected more than %n time</numerusform>
            <numerusform>redirected more than %n times</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The server named %n resources outside the calendar; they were left alone.</source>
        <extracomment>Resources a server&apos;s answer named outside the calendar collection, never touched.</extracomment>
        <translation>
            <numerusform>The server named %n resource outside the calendar; it was left alone.</numerusform>
            <numerusform>The server named %n resources outside the calendar; they were left alone.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dutyloop::ExportDialog</name>
    <message numerus="yes">
        <source>%n duty periods written to %1</source>
        <translation>
            <numerusform>%n duty period written to %1</numerusform>
            <numerusform>%n duty periods written to %1</numerusform>
        </translation>
    </message>
</context>
</TS>
