<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
    <name>Tstatistics</name>
    <message numerus="yes">
        <source>Games finished: %n (%1 coached, %2 abandoned).</source>
        <translation>
            <numerusform>Parties terminées : %n (%1 avec conseils, %2 abandonnées).</numerusform>
            <numerusform>Parties terminées : %n (%1 avec conseils, %2 abandonnées).</numerusform>
        </translation>
    </message>
    <message>
        <source>Mean score %1 against %2 for perfect play; mean points given away %3; mean luck %4.</source>
        <translation>Score moyen %1 contre %2 en jeu parfait ; points perdus en moyenne %3 ; chance moyenne %4.</translation>
    </message>
</context>
</TS>
