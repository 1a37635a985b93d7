<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Artwork</name>
    <message>
        <source>SCORE CARD</source>
        <translation>HOJA DE PUNTOS</translation>
    </message>
    <message>
        <source>GAME TOTAL</source>
        <translation>TOTAL</translation>
    </message>
    <message>
        <source>NO SCORING</source>
        <translation>NINGÚN DADO</translation>
    </message>
    <message>
        <source>DICE ROLLED</source>
        <translation>PUNTÚA</translation>
    </message>
    <message>
        <source>You need 350+</source>
        <translation>Necesitas 350+</translation>
    </message>
    <message>
        <source>to get on the board</source>
        <translation>para entrar en juego</translation>
    </message>
    <message>
        <source>SCORE</source>
        <translation>PUNTOS</translation>
    </message>
    <message>
        <source>RECORDED</source>
        <translation>ANOTADOS</translation>
    </message>
</context>
<context>
    <name>BoardAccessibility</name>
    <message>
        <source>one</source>
        <translation>uno</translation>
    </message>
    <message>
        <source>two</source>
        <translation>dos</translation>
    </message>
    <message>
        <source>three</source>
        <translation>tres</translation>
    </message>
    <message>
        <source>four</source>
        <translation>cuatro</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinco</translation>
    </message>
    <message>
        <source>six</source>
        <translation>seis</translation>
    </message>
    <message>
        <source>in play</source>
        <translation>en juego</translation>
    </message>
    <message>
        <source>selected</source>
        <translation>seleccionado</translation>
    </message>
    <message>
        <source>set aside</source>
        <translation>apartado</translation>
    </message>
    <message>
        <source>No scoring dice rolled</source>
        <translation>Ningún dado puntúa</translation>
    </message>
    <message>
        <source>You need 350 or more to get on the board</source>
        <translation>Necesitas 350 o más para entrar en juego</translation>
    </message>
    <message>
        <source>Die %1: </source>
        <translation>Dado %1: </translation>
    </message>
    <message>
        <source>not rolled</source>
        <translation>sin lanzar</translation>
    </message>
    <message>
        <source>not played</source>
        <translation>sin jugar</translation>
    </message>
    <message>
        <source>no score</source>
        <translation>sin puntos</translation>
    </message>
    <message>
        <source>Round %1: %2</source>
        <translation>Ronda %1: %2</translation>
    </message>
    <message>
        <source>Rolled %1: </source>
        <translation>Tirada %1: </translation>
    </message>
    <message>
        <source>%1 in scoring dice</source>
        <translation>%1 en dados que puntúan</translation>
    </message>
    <message>
        <source>Die %1 %2 %3, selection %4</source>
        <translation>Dado %1 %2 %3, selección %4</translation>
    </message>
    <message>
        <source>Game total: %1</source>
        <translation>Total de la partida: %1</translation>
    </message>
    <message>
        <source>Bank round %1</source>
        <translation>Anotar la ronda %1</translation>
    </message>
    <message>
        <source>Set-aside place %1</source>
        <translation>Hueco apartado %1</translation>
    </message>
    <message>
        <source>Score card</source>
        <translation>Hoja de puntos</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>Dravik Software web site</source>
        <translation>Sitio web de Dravik Software</translation>
    </message>
    <message>
        <source> Final score %1</source>
        <translation> Puntuación final %1</translation>
    </message>
    <message>
        <source>Banked %1</source>
        <translation>Anotado %1</translation>
    </message>
</context>
<context>
    <name>BoardKeys</name>
    <message>
        <source>1 to 6</source>
        <translation>1 a 6</translation>
    </message>
    <message>
        <source>Select a die, or put a selected one back</source>
        <translation>Elegir un dado, o devolver uno elegido</translation>
    </message>
    <message>
        <source>R or Space</source>
        <translation>R o Espacio</translation>
    </message>
    <message>
        <source>Roll the dice</source>
        <translation>Tirar los dados</translation>
    </message>
    <message>
        <source>Bank the round</source>
        <translation>Anotar la ronda</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Intro</translation>
    </message>
    <message>
        <source>Press the focused button; in a panel, its main button</source>
        <translation>Pulsar el botón activo; en un panel, su botón principal</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Cancel a panel, or close a window</source>
        <translation>Cancelar un panel, o cerrar una ventana</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation>Tab, Mayús+Tab</translation>
    </message>
    <message>
        <source>Move to the next or previous control</source>
        <translation>Ir al control siguiente o anterior</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espacio</translation>
    </message>
    <message>
        <source>Press the focused button in a panel or window</source>
        <translation>Pulsar el botón activo de un panel o ventana</translation>
    </message>
    <message>
        <source>F10, or Alt alone</source>
        <translation>F10, o Alt sola</translation>
    </message>
    <message>
        <source>Open the menus</source>
        <translation>Abrir los menús</translation>
    </message>
    <message>
        <source>Open the menu: %1</source>
        <translation>Abrir el menú: %1</translation>
    </message>
</context>
<context>
    <name>CoachMenu</name>
    <message>
        <source>Hint</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Game Review</source>
        <translation>Análisis de la partida</translation>
    </message>
</context>
<context>
    <name>CoachText</name>
    <message>
        <source>Bank</source>
        <translation>Anotar</translation>
    </message>
    <message numerus="yes">
        <source>Roll %n dice</source>
        <translation>
            <numerusform>Tirar %n dado</numerusform>
            <numerusform>Tirar %n dados</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, keep %2</source>
        <translation>%1, guardar %2</translation>
    </message>
</context>
<context>
    <name>DialogService</name>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Good Luck </source>
        <translation>Buena suerte, </translation>
    </message>
    <message>
        <source>Your Score:</source>
        <translation>Tu puntuación: </translation>
    </message>
    <message>
        <source>You must select dice before rolling again.</source>
        <translation>Debes elegir dados antes de volver a tirar.</translation>
    </message>
</context>
<context>
    <name>HintPanel</name>
    <message>
        <source>bank</source>
        <translation>anotar</translation>
    </message>
    <message numerus="yes">
        <source>roll %n dice</source>
        <translation>
            <numerusform>tirar %n dado</numerusform>
            <numerusform>tirar %n dados</numerusform>
        </translation>
    </message>
    <message>
        <source>Keep %1 and %2</source>
        <translation>Guardar %1 y %2</translation>
    </message>
    <message>
        <source>Expected final score: %1</source>
        <translation>Puntuación final esperada: %1</translation>
    </message>
    <message>
        <source>Runner-up: %1: %2</source>
        <translation>Segunda opción: %1: %2</translation>
    </message>
    <message>
        <source>Runner-up: none, nothing else is allowed</source>
        <translation>Segunda opción: ninguna, no se permite otra</translation>
    </message>
    <message numerus="yes">
        <source>The next roll of %n dice scores nothing: %1</source>
        <translation>
            <numerusform>La próxima tirada de %n dado no puntúa: %1</numerusform>
            <numerusform>La próxima tirada de %n dados no puntúa: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>No round in play: nothing to advise.</source>
        <translation>No hay ronda en juego: nada que aconsejar.</translation>
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
        <translation>La partida en curso no se puede guardar para el próximo inicio: </translation>
    </message>
    <message>
        <source>Welcome to Pelbix Solo by Dravik Software!</source>
        <translation>¡Bienvenido a Pelbix Solo de Dravik Software!</translation>
    </message>
    <message>
        <source>ROLL DICE</source>
        <translation>TIRAR</translation>
    </message>
    <message>
        <source>START GAME</source>
        <translation>JUGAR</translation>
    </message>
    <message>
        <source>YOUR CLEARED THE BOARD!</source>
        <translation>¡PARTIDA TERMINADA!</translation>
    </message>
    <message>
        <source>Your Score: </source>
        <translation>Tu puntuación: </translation>
    </message>
    <message>
        <source>Enter Your Name</source>
        <translation>Escribe tu nombre</translation>
    </message>
    <message>
        <source>SEND SCORE</source>
        <translation>ENVIAR</translation>
    </message>
    <message>
        <source>HIGH SCORES</source>
        <translation>RÉCORDS</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>CANCELAR</translation>
    </message>
    <message>
        <source>Posting Score, Please Wait......</source>
        <translation>Enviando puntuación, espera......</translation>
    </message>
    <message>
        <source>ENTER YOUR NAME</source>
        <translation>TU NOMBRE</translation>
    </message>
    <message>
        <source>DONE</source>
        <translation>HECHO</translation>
    </message>
    <message>
        <source>Update Available</source>
        <translation>Actualización disponible</translation>
    </message>
    <message>
        <source>Would you like to update now?</source>
        <translation>¿Actualizar ahora?</translation>
    </message>
    <message>
        <source>UPDATE NOW</source>
        <translation>AHORA</translation>
    </message>
    <message>
        <source>NO THANKS</source>
        <translation>NO, GRACIAS</translation>
    </message>
    <message>
        <source>Abandon the game in progress?</source>
        <translation>¿Abandonar la partida en curso?</translation>
    </message>
    <message>
        <source>The settings could not be saved.
%1</source>
        <translation>No se pudieron guardar los ajustes.
%1</translation>
    </message>
    <message>
        <source>The game in progress could not be read: </source>
        <translation>No se pudo leer la partida en curso: </translation>
    </message>
    <message>
        <source>Resume the game in progress?</source>
        <translation>¿Continuar la partida en curso?</translation>
    </message>
    <message>
        <source>Posting Failed.</source>
        <translation>El envío ha fallado.</translation>
    </message>
</context>
</TS>
