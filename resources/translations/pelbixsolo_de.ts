<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Artwork</name>
    <message>
        <source>SCORE CARD</source>
        <translation>PUNKTEKARTE</translation>
    </message>
    <message>
        <source>GAME TOTAL</source>
        <translation>GESAMT</translation>
    </message>
    <message>
        <source>NO SCORING</source>
        <translation>KEINE</translation>
    </message>
    <message>
        <source>DICE ROLLED</source>
        <translation>PUNKTWÜRFEL</translation>
    </message>
    <message>
        <source>You need 350+</source>
        <translation>Du brauchst 350+</translation>
    </message>
    <message>
        <source>to get on the board</source>
        <translation>für den Einstieg</translation>
    </message>
    <message>
        <source>SCORE</source>
        <translation>PUNKTE</translation>
    </message>
    <message>
        <source>RECORDED</source>
        <translation>GESICHERT</translation>
    </message>
</context>
<context>
    <name>BoardAccessibility</name>
    <message>
        <source>one</source>
        <translation>eins</translation>
    </message>
    <message>
        <source>two</source>
        <translation>zwei</translation>
    </message>
    <message>
        <source>three</source>
        <translation>drei</translation>
    </message>
    <message>
        <source>four</source>
        <translation>vier</translation>
    </message>
    <message>
        <source>five</source>
        <translation>fünf</translation>
    </message>
    <message>
        <source>six</source>
        <translation>sechs</translation>
    </message>
    <message>
        <source>in play</source>
        <translation>im Spiel</translation>
    </message>
    <message>
        <source>selected</source>
        <translation>ausgewählt</translation>
    </message>
    <message>
        <source>set aside</source>
        <translation>beiseitegelegt</translation>
    </message>
    <message>
        <source>No scoring dice rolled</source>
        <translation>Kein Punktwürfel gewürfelt</translation>
    </message>
    <message>
        <source>You need 350 or more to get on the board</source>
        <translation>Für den Einstieg brauchst du 350 oder mehr</translation>
    </message>
    <message>
        <source>Die %1: </source>
        <translation>Würfel %1: </translation>
    </message>
    <message>
        <source>not rolled</source>
        <translation>nicht gewürfelt</translation>
    </message>
    <message>
        <source>not played</source>
        <translation>nicht gespielt</translation>
    </message>
    <message>
        <source>no score</source>
        <translation>keine Punkte</translation>
    </message>
    <message>
        <source>Round %1: %2</source>
        <translation>Runde %1: %2</translation>
    </message>
    <message>
        <source>Rolled %1: </source>
        <translation>Gewürfelt %1: </translation>
    </message>
    <message>
        <source>%1 in scoring dice</source>
        <translation>%1 in Punktwürfeln</translation>
    </message>
    <message>
        <source>Die %1 %2 %3, selection %4</source>
        <translation>Würfel %1 %2 %3, Auswahl %4</translation>
    </message>
    <message>
        <source>Game total: %1</source>
        <translation>Gesamtpunkte: %1</translation>
    </message>
    <message>
        <source>Bank round %1</source>
        <translation>Runde %1 sichern</translation>
    </message>
    <message>
        <source>Set-aside place %1</source>
        <translation>Ablageplatz %1</translation>
    </message>
    <message>
        <source>Score card</source>
        <translation>Punktekarte</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Spielbrett</translation>
    </message>
    <message>
        <source>Dravik Software web site</source>
        <translation>Website von Dravik Software</translation>
    </message>
    <message>
        <source> Final score %1</source>
        <translation> Endstand %1</translation>
    </message>
    <message>
        <source>Banked %1</source>
        <translation>Gesichert %1</translation>
    </message>
</context>
<context>
    <name>BoardKeys</name>
    <message>
        <source>1 to 6</source>
        <translation>1 bis 6</translation>
    </message>
    <message>
        <source>Select a die, or put a selected one back</source>
        <translation>Würfel auswählen oder ausgewählten zurücklegen</translation>
    </message>
    <message>
        <source>R or Space</source>
        <translation>R oder Leertaste</translation>
    </message>
    <message>
        <source>Roll the dice</source>
        <translation>Würfeln</translation>
    </message>
    <message>
        <source>Bank the round</source>
        <translation>Runde sichern</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Press the focused button; in a panel, its main button</source>
        <translation>Fokussierte Schaltfläche drücken; in einem Feld dessen Hauptschaltfläche</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Cancel a panel, or close a window</source>
        <translation>Feld abbrechen oder Fenster schließen</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation>Tab, Umschalt+Tab</translation>
    </message>
    <message>
        <source>Move to the next or previous control</source>
        <translation>Zum nächsten oder vorigen Element</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>Press the focused button in a panel or window</source>
        <translation>Fokussierte Schaltfläche in Feld oder Fenster drücken</translation>
    </message>
    <message>
        <source>F10, or Alt alone</source>
        <translation>F10 oder Alt allein</translation>
    </message>
    <message>
        <source>Open the menus</source>
        <translation>Menüs öffnen</translation>
    </message>
    <message>
        <source>Open the menu: %1</source>
        <translation>Menü öffnen: %1</translation>
    </message>
</context>
<context>
    <name>CoachMenu</name>
    <message>
        <source>Hint</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>Game Review</source>
        <translation>Spielanalyse</translation>
    </message>
</context>
<context>
    <name>CoachText</name>
    <message>
        <source>Bank</source>
        <translation>Sichern</translation>
    </message>
    <message numerus="yes">
        <source>Roll %n dice</source>
        <translation>
            <numerusform>%n Würfel werfen</numerusform>
            <numerusform>%n Würfel werfen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, keep %2</source>
        <translation>%1, %2 behalten</translation>
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
    <name>Game</name>
    <message>
        <source>Good Luck </source>
        <translation>Viel Glück, </translation>
    </message>
    <message>
        <source>Your Score:</source>
        <translation>Deine Punkte: </translation>
    </message>
    <message>
        <source>You must select dice before rolling again.</source>
        <translation>Du musst Würfel auswählen, bevor du wieder würfelst.</translation>
    </message>
</context>
<context>
    <name>HintPanel</name>
    <message>
        <source>bank</source>
        <translation>sichern</translation>
    </message>
    <message numerus="yes">
        <source>roll %n dice</source>
        <translation>
            <numerusform>%n Würfel werfen</numerusform>
            <numerusform>%n Würfel werfen</numerusform>
        </translation>
    </message>
    <message>
        <source>Keep %1 and %2</source>
        <translation>%1 behalten und %2</translation>
    </message>
    <message>
        <source>Expected final score: %1</source>
        <translation>Erwarteter Endstand: %1</translation>
    </message>
    <message>
        <source>Runner-up: %1: %2</source>
        <translation>Zweitbeste: %1: %2</translation>
    </message>
    <message>
        <source>Runner-up: none, nothing else is allowed</source>
        <translation>Zweitbeste: keine, nichts anderes ist erlaubt</translation>
    </message>
    <message numerus="yes">
        <source>The next roll of %n dice scores nothing: %1</source>
        <translation>
            <numerusform>Der nächste Wurf mit %n Würfel bringt nichts: %1</numerusform>
            <numerusform>Der nächste Wurf mit %n Würfeln bringt nichts: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>No round in play: nothing to advise.</source>
        <translation>Keine Runde im Gange: kein Rat möglich.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Pelbix Solo</source>
        <translation>Pelbix Solo</translation>
    </message>
    <message>
        <source>The game in progress cannot be kept for the next start: </source>
        <translation>Das laufende Spiel kann nicht für den nächsten Start aufbewahrt werden: </translation>
    </message>
    <message>
        <source>Welcome to Pelbix Solo by Dravik Software!</source>
        <translation>Willkommen bei Pelbix Solo von Dravik Software!</translation>
    </message>
    <message>
        <source>ROLL DICE</source>
        <translation>WÜRFELN</translation>
    </message>
    <message>
        <source>START GAME</source>
        <translation>NEUES SPIEL</translation>
    </message>
    <message>
        <source>YOUR CLEARED THE BOARD!</source>
        <translation>SPIEL GESCHAFFT!</translation>
    </message>
    <message>
        <source>Your Score: </source>
        <translation>Deine Punkte: </translation>
    </message>
    <message>
        <source>Enter Your Name</source>
        <translation>Gib deinen Namen ein</translation>
    </message>
    <message>
        <source>SEND SCORE</source>
        <translation>SENDEN</translation>
    </message>
    <message>
        <source>HIGH SCORES</source>
        <translation>BESTENLISTE</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ABBRECHEN</translation>
    </message>
    <message>
        <source>Posting Score, Please Wait......</source>
        <translation>Punkte werden gesendet, bitte warten......</translation>
    </message>
    <message>
        <source>ENTER YOUR NAME</source>
        <translation>DEIN NAME</translation>
    </message>
    <message>
        <source>DONE</source>
        <translation>FERTIG</translation>
    </message>
    <message>
        <source>Update Available</source>
        <translation>Update verfügbar</translation>
    </message>
    <message>
        <source>Would you like to update now?</source>
        <translation>Jetzt aktualisieren?</translation>
    </message>
    <message>
        <source>UPDATE NOW</source>
        <translation>JETZT</translation>
    </message>
    <message>
        <source>NO THANKS</source>
        <translation>NEIN DANKE</translation>
    </message>
    <message>
        <source>Abandon the game in progress?</source>
        <translation>Das laufende Spiel aufgeben?</translation>
    </message>
    <message>
        <source>The settings could not be saved.
%1</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden.
%1</translation>
    </message>
    <message>
        <source>The game in progress could not be read: </source>
        <translation>Das laufende Spiel konnte nicht gelesen werden: </translation>
    </message>
    <message>
        <source>Resume the game in progress?</source>
        <translation>Das laufende Spiel fortsetzen?</translation>
    </message>
    <message>
        <source>Posting Failed.</source>
        <translation>Senden fehlgeschlagen.</translation>
    </message>
</context>
</TS>
