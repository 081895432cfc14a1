<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>NEXT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LOGIN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CREATE ACCOUNT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start training</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tutorials</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Training history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LOGOUT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ACCOUNT SETTINGS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BACK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>START</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RECORD VIDEO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RECORD SOUND</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TIMER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RESET</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PLAY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DEFAULT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AUTO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VOLUME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CHECK FOR UPDATES</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
