<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutWindow</name>
    <message>
        <source>Pelbix Solo - About</source>
        <translation>Pelbix Solo - À propos</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
</context>
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
        <translation>Appuyer sur le bouton actif&#xa0;; en panneau, le principal</translation>
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
    <name>ClientSocket</name>
    <message>
        <source>DNS lookup: invalid host name.</source>
        <translation>Recherche DNS&#xa0;: nom d&apos;hôte invalide.</translation>
    </message>
</context>
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
    <name>CoachText</name>
    <message>
        <source>Bank</source>
        <translation>Encaisser</translation>
    </message>
    <message numerus="yes">
        <source>Roll %n dice</source>
        <translation>
            <numerusform>Lancer %n dé</numerusform>
            <numerusform>Lancer %n dés</numerusform>
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
    <name>FetchTransfer</name>
    <message>
        <source>no host in the address</source>
        <translation>aucun hôte dans l&apos;adresse</translation>
    </message>
    <message>
        <source>too many redirects</source>
        <translation>trop de redirections</translation>
    </message>
    <message>
        <source>redirect refused: %1</source>
        <translation>redirection refusée&#xa0;: %1</translation>
    </message>
    <message>
        <source>no Content-Length</source>
        <translation>pas de Content-Length</translation>
    </message>
    <message>
        <source>empty answer</source>
        <translation>réponse vide</translation>
    </message>
    <message>
        <source>unusable proxy setting</source>
        <translation>réglage de proxy inutilisable</translation>
    </message>
    <message>
        <source>libcurl is not available</source>
        <translation>libcurl n&apos;est pas disponible</translation>
    </message>
    <message>
        <source>transfer failed</source>
        <translation>échec du transfert</translation>
    </message>
    <message>
        <source>no data for %1 ms</source>
        <translation>aucune donnée depuis %1 ms</translation>
    </message>
    <message>
        <source>no complete answer within %1 ms</source>
        <translation>pas de réponse complète en %1 ms</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>cannot create a file in the folder of (%2): %1</source>
        <translation>impossible de créer un fichier dans le dossier de %1 (%2)</translation>
    </message>
    <message>
        <source>cannot set the permissions of (%2): %1</source>
        <translation>impossible de fixer les droits de %1 (%2)</translation>
    </message>
    <message>
        <source>cannot write (%2): %1</source>
        <translation>impossible d&apos;écrire %1 (%2)</translation>
    </message>
    <message>
        <source>cannot flush (%2): %1</source>
        <translation>impossible d&apos;enregistrer %1 sur le disque (%2)</translation>
    </message>
    <message>
        <source>cannot replace (%2): %1</source>
        <translation>impossible de remplacer %1 (%2)</translation>
    </message>
    <message>
        <source>cannot read the settings file before changing it: %1</source>
        <translation>impossible de lire le fichier de réglages avant de le modifier&#xa0;: %1</translation>
    </message>
    <message>
        <source>refusing to rewrite a settings file larger than 1 MiB: %1</source>
        <translation>un fichier de réglages de plus de 1 Mio n&apos;est pas réécrit&#xa0;: %1</translation>
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
    <name>GameHistory</name>
    <message>
        <source>&amp;Export History...</source>
        <translation>&amp;Exporter l&apos;historique...</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <translation>&amp;Statistiques</translation>
    </message>
    <message>
        <source>The history could not be written to %1: %2</source>
        <translation>L&apos;historique n&apos;a pas pu être écrit dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Export History</source>
        <translation>Exporter l&apos;historique</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Overview</source>
        <translation>Présentation</translation>
    </message>
    <message>
        <source>Game Play</source>
        <translation>Déroulement</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>Décompte</translation>
    </message>
    <message>
        <source>Documentation</source>
        <translation>Documentation</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Licence</translation>
    </message>
    <message>
        <source>Pelbix Solo - Help File</source>
        <translation>Pelbix Solo - Aide</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
</context>
<context>
    <name>HighScoreWindow</name>
    <message>
        <source>Pelbix Solo - High Scores</source>
        <translation>Pelbix Solo - Meilleurs scores</translation>
    </message>
    <message>
        <source>DONE</source>
        <translation>TERMINÉ</translation>
    </message>
    <message>
        <source>The high-score list could not be reached.</source>
        <translation>La liste des meilleurs scores est injoignable.</translation>
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
            <numerusform>lancer %n dé</numerusform>
            <numerusform>lancer %n dés</numerusform>
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
    <name>HistoryStore</name>
    <message>
        <source>The game history %1 could not be opened: %2.</source>
        <translation>L&apos;historique des parties %1 n&apos;a pas pu être ouvert&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The game history %1 could not be read: %2.</source>
        <translation>L&apos;historique des parties %1 n&apos;a pas pu être lu&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The game history %1 is damaged (%2).</source>
        <translation>L&apos;historique des parties %1 est endommagé (%2).</translation>
    </message>
    <message>
        <source>The game history %1 was written by a newer version of the game; games are not recorded.</source>
        <translation>L&apos;historique des parties %1 vient d&apos;une version plus récente du jeu&#xa0;; les parties ne sont pas enregistrées.</translation>
    </message>
    <message>
        <source>The game history %1 is damaged or not a game history.</source>
        <translation>L&apos;historique des parties %1 est endommagé ou n&apos;en est pas un.</translation>
    </message>
    <message>
        <source>The game history %1 is damaged (%2) and could not be set aside.</source>
        <translation>L&apos;historique des parties %1 est endommagé (%2) et n&apos;a pas pu être mis de côté.</translation>
    </message>
    <message>
        <source>The game history %1 was damaged (%2); it was kept as %3 and a new history was started.</source>
        <translation>L&apos;historique des parties %1 était endommagé (%2)&#xa0;; il a été gardé sous %3 et un nouvel historique a été commencé.</translation>
    </message>
    <message>
        <source>The game could not be added to the history %1: %2.</source>
        <translation>La partie n&apos;a pas pu être ajoutée à l&apos;historique %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Game %1 of the history is damaged and was skipped.</source>
        <translation>La partie %1 de l&apos;historique est endommagée et a été ignorée.</translation>
    </message>
    <message>
        <source>A decision of game %1 is damaged.</source>
        <translation>Un coup de la partie %1 est endommagé.</translation>
    </message>
</context>
<context>
    <name>HttpClient</name>
    <message>
        <source>Connection aborted on request</source>
        <translation>Connexion interrompue à la demande</translation>
    </message>
    <message>
        <source>%1 (Error #%2)</source>
        <translation>%1 (erreur n° %2)</translation>
    </message>
    <message>
        <source>can&apos;t connect: %1</source>
        <translation>connexion impossible&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1: no data for %2</source>
        <translation>%1&#xa0;: aucune donnée depuis %2</translation>
    </message>
    <message>
        <source>%1: no complete answer within %2</source>
        <translation>%1&#xa0;: pas de réponse complète en %2</translation>
    </message>
    <message>
        <source>can&apos;t resolve hostname to IP address</source>
        <translation>impossible de résoudre le nom d&apos;hôte en adresse IP</translation>
    </message>
    <message>
        <source>the proxy refused the tunnel: %1 %2</source>
        <translation>le proxy a refusé le tunnel&#xa0;: %1 %2</translation>
    </message>
    <message>
        <source>can&apos;t establish a secure connection: %1</source>
        <translation>connexion sécurisée impossible&#xa0;: %1</translation>
    </message>
    <message>
        <source>Connection closed before the header was complete</source>
        <translation>Connexion fermée avant la fin de l&apos;en-tête</translation>
    </message>
    <message>
        <source>Connection closed before the document was complete</source>
        <translation>Connexion fermée avant la fin du document</translation>
    </message>
    <message>
        <source>Connection closed before the request was sent</source>
        <translation>Connexion fermée avant l&apos;envoi de la requête</translation>
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
        <translation>Tous droits réservés.</translation>
    </message>
</context>
<context>
    <name>ListPageText</name>
    <message>
        <source>The rest of the page is not shown.</source>
        <translation>La suite de la page n&apos;est pas affichée.</translation>
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
    <message>
        <source>High &amp;Contrast</source>
        <translation>&amp;Contraste élevé</translation>
    </message>
</context>
<context>
    <name>MultiplayerWindow</name>
    <message>
        <source>Pelbix Solo - Multiplayer</source>
        <translation>Pelbix Solo - Multijoueur</translation>
    </message>
    <message>
        <source>Pelbix Solo has a multiplayer edition on the Dravik Software web site!</source>
        <translation>Pelbix Solo existe en version multijoueur sur le site de Dravik Software&#xa0;!</translation>
    </message>
    <message>
        <source>Click here to learn how to play Pelbix against other people on the Dravik Software game service!</source>
        <translation>Cliquez ici pour jouer à Pelbix contre d&apos;autres joueurs sur le service de Dravik Software&#xa0;!</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
</context>
<context>
    <name>PostingWait</name>
    <message>
        <source>Posting Score, Please Wait</source>
        <translation>Envoi du score, veuillez patienter</translation>
    </message>
</context>
<context>
    <name>ReviewWindow</name>
    <message>
        <source>Round</source>
        <translation>Manche</translation>
    </message>
    <message>
        <source>Committed</source>
        <translation>Acquis</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>Your choice</source>
        <translation>Votre choix</translation>
    </message>
    <message>
        <source>Best choice</source>
        <translation>Meilleur choix</translation>
    </message>
    <message>
        <source>Loss</source>
        <translation>Perte</translation>
    </message>
    <message>
        <source>(round start)</source>
        <translation>(début de manche)</translation>
    </message>
    <message>
        <source>Round %1, roll %2: %3 instead of %4 cost %5</source>
        <translation>Manche %1, lancer %2&#xa0;: %3 au lieu de %4 a coûté %5</translation>
    </message>
    <message>
        <source>Pelbix Solo - Game Review</source>
        <translation>Pelbix Solo - Revue de la partie</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>No finished game yet: play one to the end.</source>
        <translation>Aucune partie terminée&#xa0;: jouez-en une jusqu&apos;au bout.</translation>
    </message>
    <message>
        <source>Your game: %1 vs the expected score of perfect play: %2</source>
        <translation>Votre partie&#xa0;: %1 contre le score attendu d&apos;un jeu parfait&#xa0;: %2</translation>
    </message>
    <message>
        <source>Expected points given away: %1; luck of the dice: %2</source>
        <translation>Points attendus perdus&#xa0;: %1&#xa0;; chance aux dés&#xa0;: %2</translation>
    </message>
    <message>
        <source>Every move was the best choice.</source>
        <translation>Chaque coup était le meilleur choix.</translation>
    </message>
    <message>
        <source> (hints used: %1)</source>
        <translation> (conseils utilisés&#xa0;: %1)</translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <source>saved game: bad %1</source>
        <translation>partie sauvegardée&#xa0;: valeur invalide pour %1</translation>
    </message>
    <message>
        <source>saved game: %1 out of range</source>
        <translation>partie sauvegardée&#xa0;: %1 hors limites</translation>
    </message>
    <message>
        <source>saved game: missing %1</source>
        <translation>partie sauvegardée&#xa0;: %1 manquant</translation>
    </message>
    <message>
        <source>saved game: expected %1</source>
        <translation>partie sauvegardée&#xa0;: %1 attendu</translation>
    </message>
    <message>
        <source>saved game: %1</source>
        <translation>partie sauvegardée&#xa0;: %1</translation>
    </message>
    <message>
        <source>saved game: unknown die status</source>
        <translation>partie sauvegardée&#xa0;: état de dé inconnu</translation>
    </message>
    <message>
        <source>saved game: not a complete file</source>
        <translation>partie sauvegardée&#xa0;: fichier incomplet</translation>
    </message>
    <message>
        <source>saved game: bad start time</source>
        <translation>partie sauvegardée&#xa0;: heure de début invalide</translation>
    </message>
    <message>
        <source>saved game: too many faces</source>
        <translation>partie sauvegardée&#xa0;: trop de faces</translation>
    </message>
    <message>
        <source>saved game: bad face</source>
        <translation>partie sauvegardée&#xa0;: face invalide</translation>
    </message>
    <message>
        <source>saved game: bad decision</source>
        <translation>partie sauvegardée&#xa0;: coup invalide</translation>
    </message>
    <message>
        <source>saved game: bad dice in a decision</source>
        <translation>partie sauvegardée&#xa0;: dés invalides dans un coup</translation>
    </message>
    <message>
        <source>saved game: too many decisions</source>
        <translation>partie sauvegardée&#xa0;: trop de coups</translation>
    </message>
    <message>
        <source>score card does not match the round</source>
        <translation>la carte de score ne correspond pas à la manche</translation>
    </message>
    <message>
        <source>first bank below the minimum</source>
        <translation>premier gain mis en banque sous le minimum</translation>
    </message>
    <message>
        <source>game total does not match the score card</source>
        <translation>le total ne correspond pas à la carte de score</translation>
    </message>
    <message>
        <source>on-board mark does not match the score card</source>
        <translation>la marque d&apos;entrée ne correspond pas à la carte de score</translation>
    </message>
    <message>
        <source>paused with a round under way</source>
        <translation>en pause au milieu d&apos;une manche</translation>
    </message>
    <message>
        <source>points before the first roll</source>
        <translation>des points avant le premier lancer</translation>
    </message>
    <message>
        <source>die status does not match the round</source>
        <translation>l&apos;état d&apos;un dé ne correspond pas à la manche</translation>
    </message>
    <message>
        <source>die face does not match the round</source>
        <translation>la face d&apos;un dé ne correspond pas à la manche</translation>
    </message>
    <message>
        <source>saved game: file too long</source>
        <translation>partie sauvegardée&#xa0;: fichier trop long</translation>
    </message>
    <message>
        <source>saved game: not a saved game of this version</source>
        <translation>partie sauvegardée&#xa0;: pas une partie de cette version</translation>
    </message>
    <message>
        <source>generator state</source>
        <translation>l&apos;état du générateur</translation>
    </message>
    <message>
        <source>round</source>
        <translation>la manche</translation>
    </message>
    <message>
        <source>saved game: round out of range</source>
        <translation>partie sauvegardée&#xa0;: manche hors limites</translation>
    </message>
    <message>
        <source>total</source>
        <translation>le total</translation>
    </message>
    <message>
        <source>round total</source>
        <translation>les points de la manche</translation>
    </message>
    <message>
        <source>on-board mark</source>
        <translation>la marque d&apos;entrée</translation>
    </message>
    <message>
        <source>first-roll mark</source>
        <translation>la marque de premier lancer</translation>
    </message>
    <message>
        <source>pause mark</source>
        <translation>la marque de pause</translation>
    </message>
    <message>
        <source>saved game: not six dice</source>
        <translation>partie sauvegardée&#xa0;: pas six dés</translation>
    </message>
    <message>
        <source>saved game: bad die</source>
        <translation>partie sauvegardée&#xa0;: dé invalide</translation>
    </message>
    <message>
        <source>die face</source>
        <translation>la face du dé</translation>
    </message>
    <message>
        <source>saved game: not ten rounds on the card</source>
        <translation>partie sauvegardée&#xa0;: pas dix manches sur la carte</translation>
    </message>
    <message>
        <source>round score</source>
        <translation>le score de la manche</translation>
    </message>
    <message>
        <source>saved game: unexpected lines at the end</source>
        <translation>partie sauvegardée&#xa0;: lignes inattendues à la fin</translation>
    </message>
</context>
<context>
    <name>SavedGameFile</name>
    <message>
        <source>The file was removed.</source>
        <translation>Le fichier a été supprimé.</translation>
    </message>
    <message>
        <source>The file was set aside as %1.</source>
        <translation>Le fichier a été mis de côté sous %1.</translation>
    </message>
</context>
<context>
    <name>ShortcutsWindow</name>
    <message>
        <source>Pelbix Solo - Keyboard Shortcuts</source>
        <translation>Pelbix Solo - Raccourcis clavier</translation>
    </message>
    <message>
        <source>KEYBOARD SHORTCUTS</source>
        <translation>RACCOURCIS CLAVIER</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Touche</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <source>No finished games yet.</source>
        <translation>Aucune partie terminée.</translation>
    </message>
    <message>
        <source>Pelbix Solo - Statistics</source>
        <translation>Pelbix Solo - Statistiques</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Scores</translation>
    </message>
    <message>
        <source>Score spread</source>
        <translation>Répartition</translation>
    </message>
    <message>
        <source>Points given away</source>
        <translation>Points perdus</translation>
    </message>
    <message>
        <source>Luck</source>
        <translation>Chance</translation>
    </message>
    <message>
        <source>Busts</source>
        <translation>Coups nuls</translation>
    </message>
    <message>
        <source>%1 chart</source>
        <translation>Graphique %1</translation>
    </message>
    <message>
        <source>%1 table</source>
        <translation>Tableau %1</translation>
    </message>
    <message>
        <source>game 1</source>
        <translation>partie 1</translation>
    </message>
    <message>
        <source>game %1</source>
        <translation>partie %1</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Average of 10</source>
        <translation>Moyenne sur 10</translation>
    </message>
    <message>
        <source>Score of each game, with the average of the last 10.</source>
        <translation>Score de chaque partie, avec la moyenne des 10 dernières.</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partie</translation>
    </message>
    <message>
        <source>Your games</source>
        <translation>Vos parties</translation>
    </message>
    <message>
        <source>Perfect play</source>
        <translation>Jeu parfait</translation>
    </message>
    <message>
        <source>Your final scores; perfect play&apos;s are being worked out.</source>
        <translation>Vos scores finaux&#xa0;; ceux du jeu parfait sont en cours de calcul.</translation>
    </message>
    <message>
        <source>Your final scores against perfect play&apos;s.</source>
        <translation>Vos scores finaux face à ceux du jeu parfait.</translation>
    </message>
    <message>
        <source>Expected points given away in each game, against perfect play.</source>
        <translation>Points attendus perdus à chaque partie, face au jeu parfait.</translation>
    </message>
    <message>
        <source>Given away</source>
        <translation>Perdus</translation>
    </message>
    <message>
        <source>Running mean</source>
        <translation>Moyenne courante</translation>
    </message>
    <message>
        <source>Luck of the dice in each game; fair dice keep its running mean near 0.</source>
        <translation>Chance aux dés à chaque partie&#xa0;; des dés équilibrés gardent sa moyenne courante près de 0.</translation>
    </message>
    <message>
        <source>Your busts %</source>
        <translation>Vos coups nuls %</translation>
    </message>
    <message>
        <source>Exact odds %</source>
        <translation>Probabilité exacte %</translation>
    </message>
    <message>
        <source>1 die</source>
        <translation>1 dé</translation>
    </message>
    <message>
        <source>6 dice</source>
        <translation>6 dés</translation>
    </message>
    <message>
        <source>Share of rolls that scored nothing, by dice thrown, against the exact odds.</source>
        <translation>Part des lancers sans point, selon le nombre de dés, face à la probabilité exacte.</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Dés</translation>
    </message>
    <message>
        <source>Rolls</source>
        <translation>Lancers</translation>
    </message>
    <message>
        <source>Your %</source>
        <translation>Votre %</translation>
    </message>
    <message>
        <source>Exact %</source>
        <translation>Exact %</translation>
    </message>
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
<context>
    <name>TallyFile</name>
    <message>
        <source>%1 : this file is too large to be a tally file</source>
        <translation>%1&#xa0;: ce fichier est trop gros pour être un bilan des parties</translation>
    </message>
    <message>
        <source>%1 : the tally list in this file cannot be read (%2)</source>
        <translation>%1&#xa0;: le bilan des parties de ce fichier est illisible (%2)</translation>
    </message>
</context>
<context>
    <name>TallyListWindow</name>
    <message>
        <source>Pelbix Solo - Tally List</source>
        <translation>Pelbix Solo - Bilan des parties</translation>
    </message>
    <message>
        <source>YOUR TALLY LIST</source>
        <translation>VOTRE BILAN</translation>
    </message>
    <message>
        <source>HIGH SCORES</source>
        <translation>MEILLEURS SCORES</translation>
    </message>
    <message>
        <source>Total Games:</source>
        <translation>Parties jouées&#xa0;:</translation>
    </message>
    <message>
        <source>Running Total Score:</source>
        <translation>Total des points&#xa0;:</translation>
    </message>
    <message>
        <source>Average Game Score:</source>
        <translation>Moyenne par partie&#xa0;:</translation>
    </message>
    <message>
        <source>Highest Round Scored:</source>
        <translation>Meilleure manche&#xa0;:</translation>
    </message>
    <message>
        <source>RESET TALLY</source>
        <translation>EFFACER</translation>
    </message>
    <message>
        <source>DONE</source>
        <translation>TERMINÉ</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the Tally?</source>
        <translation>Voulez-vous vraiment effacer le bilan&#xa0;?</translation>
    </message>
</context>
<context>
    <name>TallyModel</name>
    <message>
        <source>

The file has been kept as %1.</source>
        <translation>

Le fichier a été conservé sous le nom %1.</translation>
    </message>
</context>
<context>
    <name>UpdateFlow</name>
    <message>
        <source>Download Aborted</source>
        <translation>Téléchargement interrompu</translation>
    </message>
    <message>
        <source>Updating. Please Wait...</source>
        <translation>Mise à jour. Veuillez patienter…</translation>
    </message>
    <message>
        <source>The installer could not be saved as %1: %2</source>
        <translation>Le programme d&apos;installation n&apos;a pas pu être enregistré sous %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Received %1 bytes</source>
        <translation>%1 octets reçus</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Installation</translation>
    </message>
    <message>
        <source>There was an error in the update process. Please download%1 manually from %2.</source>
        <translation>Une erreur s&apos;est produite pendant la mise à jour. Veuillez télécharger %1 vous-même depuis %2.</translation>
    </message>
</context>
<context>
    <name>WSocketError</name>
    <message>
        <source>Not a WinSock error</source>
        <translation>Pas une erreur WinSock</translation>
    </message>
    <message>
        <source>No Error</source>
        <translation>Aucune erreur</translation>
    </message>
    <message>
        <source>Interrupted system call</source>
        <translation>Appel système interrompu</translation>
    </message>
    <message>
        <source>Bad file number</source>
        <translation>Numéro de fichier incorrect</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permission refusée</translation>
    </message>
    <message>
        <source>Bad address</source>
        <translation>Mauvaise adresse</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Argument invalide</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Trop de fichiers ouverts</translation>
    </message>
    <message>
        <source>Operation would block</source>
        <translation>L&apos;opération bloquerait</translation>
    </message>
    <message>
        <source>Operation now in progress</source>
        <translation>Opération en cours</translation>
    </message>
    <message>
        <source>Operation already in progress</source>
        <translation>Opération déjà en cours</translation>
    </message>
    <message>
        <source>Socket operation on non-socket</source>
        <translation>Opération de socket sur un non-socket</translation>
    </message>
    <message>
        <source>Destination address required</source>
        <translation>Adresse de destination requise</translation>
    </message>
    <message>
        <source>Message too long</source>
        <translation>Message trop long</translation>
    </message>
    <message>
        <source>Protocol wrong type for socket</source>
        <translation>Type de protocole incorrect pour le socket</translation>
    </message>
    <message>
        <source>Protocol not available</source>
        <translation>Protocole non disponible</translation>
    </message>
    <message>
        <source>Protocol not supported</source>
        <translation>Protocole non pris en charge</translation>
    </message>
    <message>
        <source>Socket type not supported</source>
        <translation>Type de socket non pris en charge</translation>
    </message>
    <message>
        <source>Operation not supported on socket</source>
        <translation>Opération non prise en charge sur le socket</translation>
    </message>
    <message>
        <source>Protocol family not supported</source>
        <translation>Famille de protocoles non prise en charge</translation>
    </message>
    <message>
        <source>Address family not supported by protocol family</source>
        <translation>Famille d&apos;adresses non prise en charge par la famille de protocoles</translation>
    </message>
    <message>
        <source>Address already in use</source>
        <translation>Adresse déjà utilisée</translation>
    </message>
    <message>
        <source>Address not available</source>
        <translation>Adresse non disponible</translation>
    </message>
    <message>
        <source>Network is down</source>
        <translation>Le réseau est hors service</translation>
    </message>
    <message>
        <source>Network is unreachable</source>
        <translation>Le réseau est inaccessible</translation>
    </message>
    <message>
        <source>Network dropped connection on reset</source>
        <translation>Le réseau a coupé la connexion lors de la réinitialisation</translation>
    </message>
    <message>
        <source>Connection aborted</source>
        <translation>Connexion interrompue</translation>
    </message>
    <message>
        <source>Connection reset by peer</source>
        <translation>Connexion réinitialisée par le correspondant</translation>
    </message>
    <message>
        <source>No buffer space available</source>
        <translation>Plus d&apos;espace tampon disponible</translation>
    </message>
    <message>
        <source>Socket is already connected</source>
        <translation>Le socket est déjà connecté</translation>
    </message>
    <message>
        <source>Socket is not connected</source>
        <translation>Le socket n&apos;est pas connecté</translation>
    </message>
    <message>
        <source>Can&apos;t send after socket shutdown</source>
        <translation>Envoi impossible après la fermeture du socket</translation>
    </message>
    <message>
        <source>Too many references: can&apos;t splice</source>
        <translation>Trop de références&#xa0;: raccordement impossible</translation>
    </message>
    <message>
        <source>Connection timed out</source>
        <translation>Délai de connexion dépassé</translation>
    </message>
    <message>
        <source>Connection refused</source>
        <translation>Connexion refusée</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Trop de niveaux de liens symboliques</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Nom de fichier trop long</translation>
    </message>
    <message>
        <source>Host is down</source>
        <translation>L&apos;hôte est hors service</translation>
    </message>
    <message>
        <source>No route to host</source>
        <translation>Aucune route vers l&apos;hôte</translation>
    </message>
    <message>
        <source>Directory not empty</source>
        <translation>Dossier non vide</translation>
    </message>
    <message>
        <source>Too many processes</source>
        <translation>Trop de processus</translation>
    </message>
    <message>
        <source>Too many users</source>
        <translation>Trop d&apos;utilisateurs</translation>
    </message>
    <message>
        <source>Disc quota exceeded</source>
        <translation>Quota de disque dépassé</translation>
    </message>
    <message>
        <source>Stale NFS file handle</source>
        <translation>Descripteur de fichier NFS périmé</translation>
    </message>
    <message>
        <source>Too many levels of remote in path</source>
        <translation>Trop de niveaux distants dans le chemin</translation>
    </message>
    <message>
        <source>Network subsystem is unusable</source>
        <translation>Le sous-système réseau est inutilisable</translation>
    </message>
    <message>
        <source>Winsock DLL cannot support this application</source>
        <translation>La DLL Winsock ne peut pas prendre en charge cette application</translation>
    </message>
    <message>
        <source>Winsock not initialized</source>
        <translation>Winsock non initialisé</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Déconnexion</translation>
    </message>
    <message>
        <source>Host not found</source>
        <translation>Hôte introuvable</translation>
    </message>
    <message>
        <source>Non-authoritative host not found</source>
        <translation>Hôte introuvable (réponse non autoritaire)</translation>
    </message>
    <message>
        <source>Non-recoverable error</source>
        <translation>Erreur irrécupérable</translation>
    </message>
    <message>
        <source>Valid name, no data record of requested type</source>
        <translation>Nom valide, mais aucun enregistrement du type demandé</translation>
    </message>
</context>
<context>
    <name>WindowAccessibility</name>
    <message>
        <source>Dravik Software logo</source>
        <translation>Logo de Dravik Software</translation>
    </message>
    <message>
        <source>Picture of the multiplayer edition</source>
        <translation>Image de l&apos;édition multijoueur</translation>
    </message>
    <message>
        <source>High score list</source>
        <translation>Liste des meilleurs scores</translation>
    </message>
    <message>
        <source>Moves of the last game</source>
        <translation>Coups de la dernière partie</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
</context>
</TS>
