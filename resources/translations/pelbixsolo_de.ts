<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CoachMenu</name>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Tipp</translation>
    </message>
    <message>
        <source>&amp;Game Review</source>
        <translation>Spiel&amp;rückblick</translation>
    </message>
</context>
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
    <name>GameHistory</name>
    <message>
        <source>&amp;Export History...</source>
        <translation>&amp;Verlauf exportieren...</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <translation>Stat&amp;istik</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>&amp;Spiel starten</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Play Sounds</source>
        <translation>&amp;Töne abspielen</translation>
    </message>
    <message>
        <source>&amp;Reset Screen Location</source>
        <translation>Fenster&amp;position zurücksetzen</translation>
    </message>
    <message>
        <source>Change  &amp;Name</source>
        <translation>&amp;Namen ändern</translation>
    </message>
    <message>
        <source>Automatically &amp;Check for Updates</source>
        <translation>Automatisch nach &amp;Updates suchen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Tally List</source>
        <translation>&amp;Spielbilanz</translation>
    </message>
    <message>
        <source>View High Score &amp;List</source>
        <translation>&amp;Bestenliste anzeigen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Tastenkürzel</translation>
    </message>
    <message>
        <source>Check out &amp;Multiplayer Pelbix!</source>
        <translation>&amp;Mehrspieler-Pelbix entdecken!</translation>
    </message>
</context>
</TS>
