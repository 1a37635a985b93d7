<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutWindow</name>
    <message>
        <source>Pelbix Solo - About</source>
        <translation>Pelbix Solo - Über</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
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
        <translation>Knopf im Fokus drücken; im Feld dessen Hauptknopf</translation>
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
        <translation>Knopf im Fokus in Feld oder Fenster drücken</translation>
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
    <name>ClientSocket</name>
    <message>
        <source>DNS lookup: invalid host name.</source>
        <translation>DNS-Abfrage: ungültiger Hostname.</translation>
    </message>
</context>
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
    <name>FetchTransfer</name>
    <message>
        <source>no host in the address</source>
        <translation>kein Host in der Adresse</translation>
    </message>
    <message>
        <source>too many redirects</source>
        <translation>zu viele Weiterleitungen</translation>
    </message>
    <message>
        <source>redirect refused: %1</source>
        <translation>Weiterleitung abgelehnt: %1</translation>
    </message>
    <message>
        <source>no Content-Length</source>
        <translation>keine Content-Length</translation>
    </message>
    <message>
        <source>empty answer</source>
        <translation>leere Antwort</translation>
    </message>
    <message>
        <source>unusable proxy setting</source>
        <translation>unbrauchbare Proxy-Einstellung</translation>
    </message>
    <message>
        <source>libcurl is not available</source>
        <translation>libcurl ist nicht verfügbar</translation>
    </message>
    <message>
        <source>transfer failed</source>
        <translation>Übertragung fehlgeschlagen</translation>
    </message>
    <message>
        <source>no data for %1 ms</source>
        <translation>seit %1 ms keine Daten</translation>
    </message>
    <message>
        <source>no complete answer within %1 ms</source>
        <translation>keine vollständige Antwort innerhalb von %1 ms</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>cannot create a file in the folder of (%2): %1</source>
        <translation>Im Ordner von %1 lässt sich keine Datei anlegen (%2)</translation>
    </message>
    <message>
        <source>cannot set the permissions of (%2): %1</source>
        <translation>Die Zugriffsrechte von %1 lassen sich nicht setzen (%2)</translation>
    </message>
    <message>
        <source>cannot write (%2): %1</source>
        <translation>%1 lässt sich nicht schreiben (%2)</translation>
    </message>
    <message>
        <source>cannot flush (%2): %1</source>
        <translation>%1 lässt sich nicht auf die Platte bringen (%2)</translation>
    </message>
    <message>
        <source>cannot replace (%2): %1</source>
        <translation>%1 lässt sich nicht ersetzen (%2)</translation>
    </message>
    <message>
        <source>cannot read the settings file before changing it: %1</source>
        <translation>Die Einstellungsdatei lässt sich vor dem Ändern nicht lesen: %1</translation>
    </message>
    <message>
        <source>refusing to rewrite a settings file larger than 1 MiB: %1</source>
        <translation>Eine Einstellungsdatei über 1 MiB wird nicht neu geschrieben: %1</translation>
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
    <name>GameHistory</name>
    <message>
        <source>&amp;Export History...</source>
        <translation>&amp;Verlauf exportieren...</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <translation>Stat&amp;istik</translation>
    </message>
    <message>
        <source>The history could not be written to %1: %2</source>
        <translation>Der Verlauf konnte nicht nach %1 geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Export History</source>
        <translation>Verlauf exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Overview</source>
        <translation>Überblick</translation>
    </message>
    <message>
        <source>Game Play</source>
        <translation>Spielablauf</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>Wertung</translation>
    </message>
    <message>
        <source>Documentation</source>
        <translation>Dokumentation</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Lizenz</translation>
    </message>
    <message>
        <source>Pelbix Solo - Help File</source>
        <translation>Pelbix Solo - Hilfe</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>HighScoreWindow</name>
    <message>
        <source>Pelbix Solo - High Scores</source>
        <translation>Pelbix Solo - Bestenliste</translation>
    </message>
    <message>
        <source>DONE</source>
        <translation>FERTIG</translation>
    </message>
    <message>
        <source>The high-score list could not be reached.</source>
        <translation>Die Bestenliste ist nicht erreichbar.</translation>
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
    <name>HistoryStore</name>
    <message>
        <source>The game history %1 could not be opened: %2.</source>
        <translation>Der Spielverlauf %1 konnte nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>The game history %1 could not be read: %2.</source>
        <translation>Der Spielverlauf %1 konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The game history %1 is damaged (%2).</source>
        <translation>Der Spielverlauf %1 ist beschädigt (%2).</translation>
    </message>
    <message>
        <source>The game history %1 was written by a newer version of the game; games are not recorded.</source>
        <translation>Der Spielverlauf %1 stammt von einer neueren Version des Spiels; Spiele werden nicht aufgezeichnet.</translation>
    </message>
    <message>
        <source>The game history %1 is damaged or not a game history.</source>
        <translation>Der Spielverlauf %1 ist beschädigt oder kein Spielverlauf.</translation>
    </message>
    <message>
        <source>The game history %1 is damaged (%2) and could not be set aside.</source>
        <translation>Der Spielverlauf %1 ist beschädigt (%2) und konnte nicht beiseitegelegt werden.</translation>
    </message>
    <message>
        <source>The game history %1 was damaged (%2); it was kept as %3 and a new history was started.</source>
        <translation>Der Spielverlauf %1 war beschädigt (%2); er wurde als %3 aufbewahrt und ein neuer Verlauf begonnen.</translation>
    </message>
    <message>
        <source>The game could not be added to the history %1: %2.</source>
        <translation>Das Spiel konnte nicht in den Verlauf %1 aufgenommen werden: %2.</translation>
    </message>
    <message>
        <source>Game %1 of the history is damaged and was skipped.</source>
        <translation>Spiel %1 des Verlaufs ist beschädigt und wurde übersprungen.</translation>
    </message>
    <message>
        <source>A decision of game %1 is damaged.</source>
        <translation>Ein Zug in Spiel %1 ist beschädigt.</translation>
    </message>
</context>
<context>
    <name>HttpClient</name>
    <message>
        <source>Connection aborted on request</source>
        <translation>Verbindung auf Wunsch abgebrochen</translation>
    </message>
    <message>
        <source>%1 (Error #%2)</source>
        <translation>%1 (Fehler Nr. %2)</translation>
    </message>
    <message>
        <source>can&apos;t connect: %1</source>
        <translation>Keine Verbindung möglich: %1</translation>
    </message>
    <message>
        <source>%1: no data for %2</source>
        <translation>%1: seit %2 keine Daten</translation>
    </message>
    <message>
        <source>%1: no complete answer within %2</source>
        <translation>%1: keine vollständige Antwort innerhalb von %2</translation>
    </message>
    <message>
        <source>can&apos;t resolve hostname to IP address</source>
        <translation>Der Hostname lässt sich nicht in eine IP-Adresse auflösen</translation>
    </message>
    <message>
        <source>the proxy refused the tunnel: %1 %2</source>
        <translation>Der Proxy hat den Tunnel abgelehnt: %1 %2</translation>
    </message>
    <message>
        <source>can&apos;t establish a secure connection: %1</source>
        <translation>Keine sichere Verbindung möglich: %1</translation>
    </message>
    <message>
        <source>Connection closed before the header was complete</source>
        <translation>Verbindung vor dem vollständigen Header geschlossen</translation>
    </message>
    <message>
        <source>Connection closed before the document was complete</source>
        <translation>Verbindung vor dem vollständigen Dokument geschlossen</translation>
    </message>
    <message>
        <source>Connection closed before the request was sent</source>
        <translation>Verbindung vor dem Senden der Anfrage geschlossen</translation>
    </message>
</context>
<context>
    <name>InfoWindow</name>
    <message>
        <source>Copyright (c)</source>
        <translation>Copyright (c)</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Alle Rechte vorbehalten.</translation>
    </message>
</context>
<context>
    <name>ListPageText</name>
    <message>
        <source>The rest of the page is not shown.</source>
        <translation>Der Rest der Seite wird nicht angezeigt.</translation>
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
    <message>
        <source>High &amp;Contrast</source>
        <translation>Hoher &amp;Kontrast</translation>
    </message>
</context>
<context>
    <name>MultiplayerWindow</name>
    <message>
        <source>Pelbix Solo - Multiplayer</source>
        <translation>Pelbix Solo - Mehrspieler</translation>
    </message>
    <message>
        <source>Pelbix Solo has a multiplayer edition on the Dravik Software web site!</source>
        <translation>Pelbix Solo hat eine Mehrspieler-Ausgabe auf der Website von Dravik Software!</translation>
    </message>
    <message>
        <source>Click here to learn how to play Pelbix against other people on the Dravik Software game service!</source>
        <translation>Klicke hier und erfahre, wie du beim Spieldienst von Dravik Software gegen andere Pelbix spielst!</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>PostingWait</name>
    <message>
        <source>Posting Score, Please Wait</source>
        <translation>Punkte werden gesendet, bitte warten</translation>
    </message>
</context>
<context>
    <name>ReviewWindow</name>
    <message>
        <source>Round</source>
        <translation>Runde</translation>
    </message>
    <message>
        <source>Committed</source>
        <translation>Gesichert</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Wurf</translation>
    </message>
    <message>
        <source>Your choice</source>
        <translation>Dein Zug</translation>
    </message>
    <message>
        <source>Best choice</source>
        <translation>Bester Zug</translation>
    </message>
    <message>
        <source>Loss</source>
        <translation>Verlust</translation>
    </message>
    <message>
        <source>(round start)</source>
        <translation>(Rundenbeginn)</translation>
    </message>
    <message>
        <source>Round %1, roll %2: %3 instead of %4 cost %5</source>
        <translation>Runde %1, Wurf %2: %3 statt %4 kostete %5</translation>
    </message>
    <message>
        <source>Pelbix Solo - Game Review</source>
        <translation>Pelbix Solo - Spielrückblick</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>No finished game yet: play one to the end.</source>
        <translation>Noch kein Spiel beendet: Spiel eines zu Ende.</translation>
    </message>
    <message>
        <source>Your game: %1 vs the expected score of perfect play: %2</source>
        <translation>Dein Spiel: %1 gegen den Erwartungswert perfekten Spiels: %2</translation>
    </message>
    <message>
        <source>Expected points given away: %1; luck of the dice: %2</source>
        <translation>Erwartete verschenkte Punkte: %1; Würfelglück: %2</translation>
    </message>
    <message>
        <source>Every move was the best choice.</source>
        <translation>Jeder Zug war der beste.</translation>
    </message>
    <message>
        <source> (hints used: %1)</source>
        <translation> (Tipps genutzt: %1)</translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <source>saved game: bad %1</source>
        <translation>Spielstand: ungültiger Wert für %1</translation>
    </message>
    <message>
        <source>saved game: %1 out of range</source>
        <translation>Spielstand: %1 außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>saved game: missing %1</source>
        <translation>Spielstand: %1 fehlt</translation>
    </message>
    <message>
        <source>saved game: expected %1</source>
        <translation>Spielstand: %1 erwartet</translation>
    </message>
    <message>
        <source>saved game: %1</source>
        <translation>Spielstand: %1</translation>
    </message>
    <message>
        <source>saved game: unknown die status</source>
        <translation>Spielstand: unbekannter Würfelzustand</translation>
    </message>
    <message>
        <source>saved game: not a complete file</source>
        <translation>Spielstand: keine vollständige Datei</translation>
    </message>
    <message>
        <source>saved game: bad start time</source>
        <translation>Spielstand: ungültige Startzeit</translation>
    </message>
    <message>
        <source>saved game: too many faces</source>
        <translation>Spielstand: zu viele Würfelaugen</translation>
    </message>
    <message>
        <source>saved game: bad face</source>
        <translation>Spielstand: ungültige Würfelaugen</translation>
    </message>
    <message>
        <source>saved game: bad decision</source>
        <translation>Spielstand: ungültiger Zug</translation>
    </message>
    <message>
        <source>saved game: bad dice in a decision</source>
        <translation>Spielstand: ungültige Würfel in einem Zug</translation>
    </message>
    <message>
        <source>saved game: too many decisions</source>
        <translation>Spielstand: zu viele Züge</translation>
    </message>
    <message>
        <source>score card does not match the round</source>
        <translation>Punktekarte passt nicht zur Runde</translation>
    </message>
    <message>
        <source>first bank below the minimum</source>
        <translation>erste Sicherung unter dem Minimum</translation>
    </message>
    <message>
        <source>game total does not match the score card</source>
        <translation>Gesamtpunkte passen nicht zur Punktekarte</translation>
    </message>
    <message>
        <source>on-board mark does not match the score card</source>
        <translation>Einstiegsmarke passt nicht zur Punktekarte</translation>
    </message>
    <message>
        <source>paused with a round under way</source>
        <translation>pausiert mitten in einer Runde</translation>
    </message>
    <message>
        <source>points before the first roll</source>
        <translation>Punkte vor dem ersten Wurf</translation>
    </message>
    <message>
        <source>die status does not match the round</source>
        <translation>Würfelzustand passt nicht zur Runde</translation>
    </message>
    <message>
        <source>die face does not match the round</source>
        <translation>Würfelaugen passen nicht zur Runde</translation>
    </message>
    <message>
        <source>saved game: file too long</source>
        <translation>Spielstand: Datei zu lang</translation>
    </message>
    <message>
        <source>saved game: not a saved game of this version</source>
        <translation>Spielstand: kein Spielstand dieser Version</translation>
    </message>
    <message>
        <source>generator state</source>
        <translation>Generatorzustand</translation>
    </message>
    <message>
        <source>round</source>
        <translation>Runde</translation>
    </message>
    <message>
        <source>saved game: round out of range</source>
        <translation>Spielstand: Runde außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>total</source>
        <translation>Gesamtpunkte</translation>
    </message>
    <message>
        <source>round total</source>
        <translation>Rundenpunkte</translation>
    </message>
    <message>
        <source>on-board mark</source>
        <translation>Einstiegsmarke</translation>
    </message>
    <message>
        <source>first-roll mark</source>
        <translation>Erstwurfmarke</translation>
    </message>
    <message>
        <source>pause mark</source>
        <translation>Pausenmarke</translation>
    </message>
    <message>
        <source>saved game: not six dice</source>
        <translation>Spielstand: nicht sechs Würfel</translation>
    </message>
    <message>
        <source>saved game: bad die</source>
        <translation>Spielstand: ungültiger Würfel</translation>
    </message>
    <message>
        <source>die face</source>
        <translation>Würfelaugen</translation>
    </message>
    <message>
        <source>saved game: not ten rounds on the card</source>
        <translation>Spielstand: nicht zehn Runden auf der Karte</translation>
    </message>
    <message>
        <source>round score</source>
        <translation>Rundenwertung</translation>
    </message>
    <message>
        <source>saved game: unexpected lines at the end</source>
        <translation>Spielstand: unerwartete Zeilen am Ende</translation>
    </message>
</context>
<context>
    <name>SavedGameFile</name>
    <message>
        <source>The file was removed.</source>
        <translation>Die Datei wurde entfernt.</translation>
    </message>
    <message>
        <source>The file was set aside as %1.</source>
        <translation>Die Datei wurde als %1 beiseitegelegt.</translation>
    </message>
</context>
<context>
    <name>ShortcutsWindow</name>
    <message>
        <source>Pelbix Solo - Keyboard Shortcuts</source>
        <translation>Pelbix Solo - Tastenkürzel</translation>
    </message>
    <message>
        <source>KEYBOARD SHORTCUTS</source>
        <translation>TASTENKÜRZEL</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Taste</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <source>No finished games yet.</source>
        <translation>Noch keine beendeten Spiele.</translation>
    </message>
    <message>
        <source>Pelbix Solo - Statistics</source>
        <translation>Pelbix Solo - Statistik</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Score spread</source>
        <translation>Punkteverteilung</translation>
    </message>
    <message>
        <source>Points given away</source>
        <translation>Verschenkte Punkte</translation>
    </message>
    <message>
        <source>Luck</source>
        <translation>Glück</translation>
    </message>
    <message>
        <source>Busts</source>
        <translation>Nullwürfe</translation>
    </message>
    <message>
        <source>%1 chart</source>
        <translation>Diagramm %1</translation>
    </message>
    <message>
        <source>%1 table</source>
        <translation>Tabelle %1</translation>
    </message>
    <message>
        <source>game 1</source>
        <translation>Spiel 1</translation>
    </message>
    <message>
        <source>game %1</source>
        <translation>Spiel %1</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Average of 10</source>
        <translation>Mittel aus 10</translation>
    </message>
    <message>
        <source>Score of each game, with the average of the last 10.</source>
        <translation>Punkte jedes Spiels, mit dem Mittel der letzten 10.</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Your games</source>
        <translation>Deine Spiele</translation>
    </message>
    <message>
        <source>Perfect play</source>
        <translation>Perfektes Spiel</translation>
    </message>
    <message>
        <source>Your final scores; perfect play&apos;s are being worked out.</source>
        <translation>Deine Endstände; die des perfekten Spiels werden berechnet.</translation>
    </message>
    <message>
        <source>Your final scores against perfect play&apos;s.</source>
        <translation>Deine Endstände gegenüber denen des perfekten Spiels.</translation>
    </message>
    <message>
        <source>Expected points given away in each game, against perfect play.</source>
        <translation>Erwartete verschenkte Punkte je Spiel, gegenüber perfektem Spiel.</translation>
    </message>
    <message>
        <source>Given away</source>
        <translation>Verschenkt</translation>
    </message>
    <message>
        <source>Running mean</source>
        <translation>Laufendes Mittel</translation>
    </message>
    <message>
        <source>Luck of the dice in each game; fair dice keep its running mean near 0.</source>
        <translation>Würfelglück je Spiel; faire Würfel halten das laufende Mittel nahe 0.</translation>
    </message>
    <message>
        <source>Your busts %</source>
        <translation>Deine Nullwürfe %</translation>
    </message>
    <message>
        <source>Exact odds %</source>
        <translation>Genaue Chance %</translation>
    </message>
    <message>
        <source>1 die</source>
        <translation>1 Würfel</translation>
    </message>
    <message>
        <source>6 dice</source>
        <translation>6 Würfel</translation>
    </message>
    <message>
        <source>Share of rolls that scored nothing, by dice thrown, against the exact odds.</source>
        <translation>Anteil der Würfe ohne Punkte, nach Zahl der Würfel, gegenüber der genauen Chance.</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Würfel</translation>
    </message>
    <message>
        <source>Rolls</source>
        <translation>Würfe</translation>
    </message>
    <message>
        <source>Your %</source>
        <translation>Deine %</translation>
    </message>
    <message>
        <source>Exact %</source>
        <translation>Genau %</translation>
    </message>
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
<context>
    <name>TallyFile</name>
    <message>
        <source>%1 : this file is too large to be a tally file</source>
        <translation>%1: Diese Datei ist zu groß für eine Spielbilanz</translation>
    </message>
    <message>
        <source>%1 : the tally list in this file cannot be read (%2)</source>
        <translation>%1: Die Spielbilanz in dieser Datei ist nicht lesbar (%2)</translation>
    </message>
</context>
<context>
    <name>TallyListWindow</name>
    <message>
        <source>Pelbix Solo - Tally List</source>
        <translation>Pelbix Solo - Spielbilanz</translation>
    </message>
    <message>
        <source>YOUR TALLY LIST</source>
        <translation>DEINE BILANZ</translation>
    </message>
    <message>
        <source>HIGH SCORES</source>
        <translation>BESTENLISTE</translation>
    </message>
    <message>
        <source>Total Games:</source>
        <translation>Spiele gesamt:</translation>
    </message>
    <message>
        <source>Running Total Score:</source>
        <translation>Punkte insgesamt:</translation>
    </message>
    <message>
        <source>Average Game Score:</source>
        <translation>Punkte je Spiel:</translation>
    </message>
    <message>
        <source>Highest Round Scored:</source>
        <translation>Beste Runde:</translation>
    </message>
    <message>
        <source>RESET TALLY</source>
        <translation>LÖSCHEN</translation>
    </message>
    <message>
        <source>DONE</source>
        <translation>FERTIG</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the Tally?</source>
        <translation>Willst du die Bilanz wirklich löschen?</translation>
    </message>
</context>
<context>
    <name>TallyModel</name>
    <message>
        <source>

The file has been kept as %1.</source>
        <translation>

Die Datei wurde als %1 aufbewahrt.</translation>
    </message>
</context>
<context>
    <name>UpdateFlow</name>
    <message>
        <source>Download Aborted</source>
        <translation>Download abgebrochen</translation>
    </message>
    <message>
        <source>Updating. Please Wait...</source>
        <translation>Aktualisierung läuft. Bitte warten …</translation>
    </message>
    <message>
        <source>The installer could not be saved as %1: %2</source>
        <translation>Das Installationsprogramm konnte nicht als %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Received %1 bytes</source>
        <translation>%1 Bytes empfangen</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Installation läuft</translation>
    </message>
    <message>
        <source>There was an error in the update process. Please download%1 manually from %2.</source>
        <translation>Bei der Aktualisierung ist ein Fehler aufgetreten. Bitte lade %1 selbst von %2 herunter.</translation>
    </message>
</context>
<context>
    <name>WSocketError</name>
    <message>
        <source>Not a WinSock error</source>
        <translation>Kein WinSock-Fehler</translation>
    </message>
    <message>
        <source>No Error</source>
        <translation>Kein Fehler</translation>
    </message>
    <message>
        <source>Interrupted system call</source>
        <translation>Unterbrochener Systemaufruf</translation>
    </message>
    <message>
        <source>Bad file number</source>
        <translation>Ungültige Dateinummer</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>Bad address</source>
        <translation>Ungültige Adresse</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Ungültiges Argument</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Zu viele offene Dateien</translation>
    </message>
    <message>
        <source>Operation would block</source>
        <translation>Vorgang würde blockieren</translation>
    </message>
    <message>
        <source>Operation now in progress</source>
        <translation>Vorgang läuft jetzt</translation>
    </message>
    <message>
        <source>Operation already in progress</source>
        <translation>Vorgang läuft bereits</translation>
    </message>
    <message>
        <source>Socket operation on non-socket</source>
        <translation>Socket-Operation auf Nicht-Socket</translation>
    </message>
    <message>
        <source>Destination address required</source>
        <translation>Zieladresse erforderlich</translation>
    </message>
    <message>
        <source>Message too long</source>
        <translation>Nachricht zu lang</translation>
    </message>
    <message>
        <source>Protocol wrong type for socket</source>
        <translation>Protokoll passt nicht zum Socket-Typ</translation>
    </message>
    <message>
        <source>Protocol not available</source>
        <translation>Protokoll nicht verfügbar</translation>
    </message>
    <message>
        <source>Protocol not supported</source>
        <translation>Protokoll nicht unterstützt</translation>
    </message>
    <message>
        <source>Socket type not supported</source>
        <translation>Socket-Typ nicht unterstützt</translation>
    </message>
    <message>
        <source>Operation not supported on socket</source>
        <translation>Vorgang auf dem Socket nicht unterstützt</translation>
    </message>
    <message>
        <source>Protocol family not supported</source>
        <translation>Protokollfamilie nicht unterstützt</translation>
    </message>
    <message>
        <source>Address family not supported by protocol family</source>
        <translation>Adressfamilie von der Protokollfamilie nicht unterstützt</translation>
    </message>
    <message>
        <source>Address already in use</source>
        <translation>Adresse bereits in Gebrauch</translation>
    </message>
    <message>
        <source>Address not available</source>
        <translation>Adresse nicht verfügbar</translation>
    </message>
    <message>
        <source>Network is down</source>
        <translation>Netzwerk ist nicht aktiv</translation>
    </message>
    <message>
        <source>Network is unreachable</source>
        <translation>Netzwerk ist nicht erreichbar</translation>
    </message>
    <message>
        <source>Network dropped connection on reset</source>
        <translation>Netzwerk hat die Verbindung beim Zurücksetzen getrennt</translation>
    </message>
    <message>
        <source>Connection aborted</source>
        <translation>Verbindung abgebrochen</translation>
    </message>
    <message>
        <source>Connection reset by peer</source>
        <translation>Verbindung von der Gegenseite zurückgesetzt</translation>
    </message>
    <message>
        <source>No buffer space available</source>
        <translation>Kein Pufferspeicher verfügbar</translation>
    </message>
    <message>
        <source>Socket is already connected</source>
        <translation>Socket ist bereits verbunden</translation>
    </message>
    <message>
        <source>Socket is not connected</source>
        <translation>Socket ist nicht verbunden</translation>
    </message>
    <message>
        <source>Can&apos;t send after socket shutdown</source>
        <translation>Senden nach dem Schließen des Sockets nicht möglich</translation>
    </message>
    <message>
        <source>Too many references: can&apos;t splice</source>
        <translation>Zu viele Verweise: Verbinden nicht möglich</translation>
    </message>
    <message>
        <source>Connection timed out</source>
        <translation>Zeitüberschreitung der Verbindung</translation>
    </message>
    <message>
        <source>Connection refused</source>
        <translation>Verbindung abgelehnt</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Zu viele Ebenen symbolischer Links</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Dateiname zu lang</translation>
    </message>
    <message>
        <source>Host is down</source>
        <translation>Host ist nicht aktiv</translation>
    </message>
    <message>
        <source>No route to host</source>
        <translation>Keine Route zum Host</translation>
    </message>
    <message>
        <source>Directory not empty</source>
        <translation>Verzeichnis nicht leer</translation>
    </message>
    <message>
        <source>Too many processes</source>
        <translation>Zu viele Prozesse</translation>
    </message>
    <message>
        <source>Too many users</source>
        <translation>Zu viele Benutzer</translation>
    </message>
    <message>
        <source>Disc quota exceeded</source>
        <translation>Speicherkontingent überschritten</translation>
    </message>
    <message>
        <source>Stale NFS file handle</source>
        <translation>Veraltetes NFS-Datei-Handle</translation>
    </message>
    <message>
        <source>Too many levels of remote in path</source>
        <translation>Zu viele entfernte Ebenen im Pfad</translation>
    </message>
    <message>
        <source>Network subsystem is unusable</source>
        <translation>Netzwerk-Subsystem ist unbrauchbar</translation>
    </message>
    <message>
        <source>Winsock DLL cannot support this application</source>
        <translation>Die Winsock-DLL unterstützt diese Anwendung nicht</translation>
    </message>
    <message>
        <source>Winsock not initialized</source>
        <translation>Winsock nicht initialisiert</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Verbindung getrennt</translation>
    </message>
    <message>
        <source>Host not found</source>
        <translation>Host nicht gefunden</translation>
    </message>
    <message>
        <source>Non-authoritative host not found</source>
        <translation>Host nicht gefunden (nicht autoritativ)</translation>
    </message>
    <message>
        <source>Non-recoverable error</source>
        <translation>Nicht behebbarer Fehler</translation>
    </message>
    <message>
        <source>Valid name, no data record of requested type</source>
        <translation>Gültiger Name, aber kein Eintrag des gewünschten Typs</translation>
    </message>
</context>
<context>
    <name>WindowAccessibility</name>
    <message>
        <source>Dravik Software logo</source>
        <translation>Logo von Dravik Software</translation>
    </message>
    <message>
        <source>Picture of the multiplayer edition</source>
        <translation>Bild der Mehrspieler-Ausgabe</translation>
    </message>
    <message>
        <source>High score list</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>Moves of the last game</source>
        <translation>Züge des letzten Spiels</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
</context>
</TS>
