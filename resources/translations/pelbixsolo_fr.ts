<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Artwork</name>
    <message>
        <source>SCORE CARD</source>
        <translation>FEUILLE DE SCORE</translation>
    </message>
    <message>
        <source>GAME TOTAL</source>
        <translation>TOTAL</translation>
    </message>
    <message>
        <source>NO SCORING</source>
        <translation>AUCUN DÉ</translation>
    </message>
    <message>
        <source>DICE ROLLED</source>
        <translation>QUI COMPTE</translation>
    </message>
    <message>
        <source>You need 350+</source>
        <translation>Il faut 350+</translation>
    </message>
    <message>
        <source>to get on the board</source>
        <translation>pour entrer en jeu</translation>
    </message>
    <message>
        <source>SCORE</source>
        <translation>POINTS</translation>
    </message>
    <message>
        <source>RECORDED</source>
        <translation>ENCAISSÉS</translation>
    </message>
</context>
<context>
    <name>BoardAccessibility</name>
    <message>
        <source>one</source>
        <translation>un</translation>
    </message>
    <message>
        <source>two</source>
        <translation>deux</translation>
    </message>
    <message>
        <source>three</source>
        <translation>trois</translation>
    </message>
    <message>
        <source>four</source>
        <translation>quatre</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinq</translation>
    </message>
    <message>
        <source>six</source>
        <translation>six</translation>
    </message>
    <message>
        <source>in play</source>
        <translation>en jeu</translation>
    </message>
    <message>
        <source>selected</source>
        <translation>sélectionné</translation>
    </message>
    <message>
        <source>set aside</source>
        <translation>mis de côté</translation>
    </message>
    <message>
        <source>No scoring dice rolled</source>
        <translation>Aucun dé qui compte</translation>
    </message>
    <message>
        <source>You need 350 or more to get on the board</source>
        <translation>Il faut 350 ou plus pour entrer en jeu</translation>
    </message>
    <message>
        <source>Die %1: </source>
        <translation>Dé %1&#xa0;: </translation>
    </message>
    <message>
        <source>not rolled</source>
        <translation>pas lancé</translation>
    </message>
    <message>
        <source>not played</source>
        <translation>pas jouée</translation>
    </message>
    <message>
        <source>no score</source>
        <translation>aucun point</translation>
    </message>
    <message>
        <source>Round %1: %2</source>
        <translation>Manche %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Rolled %1: </source>
        <translation>Lancer %1&#xa0;: </translation>
    </message>
    <message>
        <source>%1 in scoring dice</source>
        <translation>%1 en dés qui comptent</translation>
    </message>
    <message>
        <source>Die %1 %2 %3, selection %4</source>
        <translation>Dé %1 %2 %3, sélection %4</translation>
    </message>
    <message>
        <source>Game total: %1</source>
        <translation>Total de la partie&#xa0;: %1</translation>
    </message>
    <message>
        <source>Bank round %1</source>
        <translation>Encaisser la manche %1</translation>
    </message>
    <message>
        <source>Set-aside place %1</source>
        <translation>Place de côté %1</translation>
    </message>
    <message>
        <source>Score card</source>
        <translation>Feuille de score</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
    <message>
        <source>Dravik Software web site</source>
        <translation>Site web de Dravik Software</translation>
    </message>
    <message>
        <source> Final score %1</source>
        <translation> Score final %1</translation>
    </message>
    <message>
        <source>Banked %1</source>
        <translation>Encaissé %1</translation>
    </message>
</context>
<context>
    <name>BoardKeys</name>
    <message>
        <source>1 to 6</source>
        <translation>1 à 6</translation>
    </message>
    <message>
        <source>Select a die, or put a selected one back</source>
        <translation>Choisir un dé, ou reposer un dé choisi</translation>
    </message>
    <message>
        <source>R or Space</source>
        <translation>R ou Espace</translation>
    </message>
    <message>
        <source>Roll the dice</source>
        <translation>Lancer les dés</translation>
    </message>
    <message>
        <source>Bank the round</source>
        <translation>Encaisser la manche</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Press the focused button; in a panel, its main button</source>
        <translation>Appuyer sur le bouton actif&#xa0;; dans un panneau, son bouton principal</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Échap</translation>
    </message>
    <message>
        <source>Cancel a panel, or close a window</source>
        <translation>Annuler un panneau, ou fermer une fenêtre</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation>Tab, Maj+Tab</translation>
    </message>
    <message>
        <source>Move to the next or previous control</source>
        <translation>Aller à l&apos;élément suivant ou précédent</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>Press the focused button in a panel or window</source>
        <translation>Appuyer sur le bouton actif d&apos;un panneau ou d&apos;une fenêtre</translation>
    </message>
    <message>
        <source>F10, or Alt alone</source>
        <translation>F10, ou Alt seule</translation>
    </message>
    <message>
        <source>Open the menus</source>
        <translation>Ouvrir les menus</translation>
    </message>
    <message>
        <source>Open the menu: %1</source>
        <translation>Ouvrir le menu&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>CoachMenu</name>
    <message>
        <source>Hint</source>
        <translation>Conseil</translation>
    </message>
    <message>
        <source>Game Review</source>
        <translation>Analyse de la partie</translation>
    </message>
</context>
<context>
    <name>CoachText</name>
    <message>
        <source>Bank</source>
        <translation>Encaisser</translation>
    </message>
    <message numerus="yes">
        <source>Roll %n dice</source>
        <translation>
            <numerusform>Relancer %n dé</numerusform>
            <numerusform>Relancer %n dés</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, keep %2</source>
        <translation>%1, garder %2</translation>
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
    <name>Game</name>
    <message>
        <source>Good Luck </source>
        <translation>Bonne chance, </translation>
    </message>
    <message>
        <source>Your Score:</source>
        <translation>Votre score&#xa0;: </translation>
    </message>
    <message>
        <source>You must select dice before rolling again.</source>
        <translation>Vous devez choisir des dés avant de relancer.</translation>
    </message>
</context>
<context>
    <name>HintPanel</name>
    <message>
        <source>bank</source>
        <translation>encaisser</translation>
    </message>
    <message numerus="yes">
        <source>roll %n dice</source>
        <translation>
            <numerusform>relancer %n dé</numerusform>
            <numerusform>relancer %n dés</numerusform>
        </translation>
    </message>
    <message>
        <source>Keep %1 and %2</source>
        <translation>Garder %1 et %2</translation>
    </message>
    <message>
        <source>Expected final score: %1</source>
        <translation>Score final attendu&#xa0;: %1</translation>
    </message>
    <message>
        <source>Runner-up: %1: %2</source>
        <translation>Deuxième choix&#xa0;: %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Runner-up: none, nothing else is allowed</source>
        <translation>Deuxième choix&#xa0;: aucun, rien d&apos;autre n&apos;est permis</translation>
    </message>
    <message numerus="yes">
        <source>The next roll of %n dice scores nothing: %1</source>
        <translation>
            <numerusform>Le prochain lancer de %n dé ne rapporte rien&#xa0;: %1</numerusform>
            <numerusform>Le prochain lancer de %n dés ne rapporte rien&#xa0;: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>No round in play: nothing to advise.</source>
        <translation>Aucune manche en cours&#xa0;: rien à conseiller.</translation>
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
        <translation>La partie en cours ne peut pas être gardée pour le prochain lancement&#xa0;: </translation>
    </message>
    <message>
        <source>Welcome to Pelbix Solo by Dravik Software!</source>
        <translation>Bienvenue dans Pelbix Solo de Dravik Software&#xa0;!</translation>
    </message>
    <message>
        <source>ROLL DICE</source>
        <translation>LANCER</translation>
    </message>
    <message>
        <source>START GAME</source>
        <translation>JOUER</translation>
    </message>
    <message>
        <source>YOUR CLEARED THE BOARD!</source>
        <translation>PARTIE TERMINÉE&#xa0;!</translation>
    </message>
    <message>
        <source>Your Score: </source>
        <translation>Votre score&#xa0;: </translation>
    </message>
    <message>
        <source>Enter Your Name</source>
        <translation>Entrez votre nom</translation>
    </message>
    <message>
        <source>SEND SCORE</source>
        <translation>ENVOYER</translation>
    </message>
    <message>
        <source>HIGH SCORES</source>
        <translation>SCORES</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ANNULER</translation>
    </message>
    <message>
        <source>Posting Score, Please Wait......</source>
        <translation>Envoi du score, veuillez patienter......</translation>
    </message>
    <message>
        <source>ENTER YOUR NAME</source>
        <translation>VOTRE NOM</translation>
    </message>
    <message>
        <source>DONE</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Update Available</source>
        <translation>Mise à jour disponible</translation>
    </message>
    <message>
        <source>Would you like to update now?</source>
        <translation>Mettre à jour maintenant&#xa0;?</translation>
    </message>
    <message>
        <source>UPDATE NOW</source>
        <translation>OUI</translation>
    </message>
    <message>
        <source>NO THANKS</source>
        <translation>NON MERCI</translation>
    </message>
    <message>
        <source>Abandon the game in progress?</source>
        <translation>Abandonner la partie en cours&#xa0;?</translation>
    </message>
    <message>
        <source>The settings could not be saved.
%1</source>
        <translation>Les réglages n&apos;ont pas pu être enregistrés.
%1</translation>
    </message>
    <message>
        <source>The game in progress could not be read: </source>
        <translation>La partie en cours n&apos;a pas pu être lue&#xa0;: </translation>
    </message>
    <message>
        <source>Resume the game in progress?</source>
        <translation>Reprendre la partie en cours&#xa0;?</translation>
    </message>
    <message>
        <source>Posting Failed.</source>
        <translation>L&apos;envoi a échoué.</translation>
    </message>
</context>
</TS>
