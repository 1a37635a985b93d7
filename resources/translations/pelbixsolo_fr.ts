<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CoachMenu</name>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Conseil</translation>
    </message>
    <message>
        <source>&amp;Game Review</source>
        <translation>&amp;Revue de la partie</translation>
    </message>
</context>
<context>
    <name>DialogService</name>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>GameHistory</name>
    <message>
        <source>&amp;Export History...</source>
        <translation>&amp;Exporter l'historique...</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <translation>&amp;Statistiques</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Play Sounds</source>
        <translation>Jouer les &amp;sons</translation>
    </message>
    <message>
        <source>&amp;Reset Screen Location</source>
        <translation>&amp;Réinitialiser la position de la fenêtre</translation>
    </message>
    <message>
        <source>Change  &amp;Name</source>
        <translation>Changer de &amp;nom</translation>
    </message>
    <message>
        <source>Automatically &amp;Check for Updates</source>
        <translation>Rechercher automatiquement les mises à &amp;jour</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Tally List</source>
        <translation>&amp;Bilan des parties</translation>
    </message>
    <message>
        <source>View High Score &amp;List</source>
        <translation>&amp;Meilleurs scores</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>Raccourcis &amp;clavier</translation>
    </message>
    <message>
        <source>Check out &amp;Multiplayer Pelbix!</source>
        <translation>Découvrez Pelbix &amp;multijoueur !</translation>
    </message>
</context>
</TS>
