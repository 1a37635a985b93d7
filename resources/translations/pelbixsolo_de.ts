<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>DialogService</name>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>Tstatistics</name>
    <message numerus="yes">
        <source>Games finished: %n (%1 coached, %2 abandoned).</source>
        <translation>
            <numerusform>Beendete Spiele: %n (%1 mit Tipps, %2 abgebrochen).</numerusform>
            <numerusform>Beendete Spiele: %n (%1 mit Tipps, %2 abgebrochen).</numerusform>
        </translation>
    </message>
    <message>
        <source>Mean score %1 against %2 for perfect play; mean points given away %3; mean luck %4.</source>
        <translation>Mittlere Punktzahl %1 gegenüber %2 bei perfektem Spiel; im Mittel verschenkte Punkte %3; mittleres Glück %4.</translation>
    </message>
</context>
</TS>
