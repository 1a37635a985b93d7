<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutWindow</name>
    <message>
        <source>Pelbix Solo - About</source>
        <translation>Pelbix Solo - Acerca de</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
</context>
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
    <name>ClientSocket</name>
    <message>
        <source>DNS lookup: invalid host name.</source>
        <translation>Consulta DNS: nombre de host no válido.</translation>
    </message>
</context>
<context>
    <name>CoachMenu</name>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Pista</translation>
    </message>
    <message>
        <source>&amp;Game Review</source>
        <translation>Re&amp;visión de la partida</translation>
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
    <name>FetchTransfer</name>
    <message>
        <source>no host in the address</source>
        <translation>no hay host en la dirección</translation>
    </message>
    <message>
        <source>too many redirects</source>
        <translation>demasiadas redirecciones</translation>
    </message>
    <message>
        <source>redirect refused: %1</source>
        <translation>redirección rechazada: %1</translation>
    </message>
    <message>
        <source>no Content-Length</source>
        <translation>sin Content-Length</translation>
    </message>
    <message>
        <source>empty answer</source>
        <translation>respuesta vacía</translation>
    </message>
    <message>
        <source>unusable proxy setting</source>
        <translation>ajuste de proxy inservible</translation>
    </message>
    <message>
        <source>libcurl is not available</source>
        <translation>libcurl no está disponible</translation>
    </message>
    <message>
        <source>transfer failed</source>
        <translation>la transferencia falló</translation>
    </message>
    <message>
        <source>no data for %1 ms</source>
        <translation>sin datos durante %1 ms</translation>
    </message>
    <message>
        <source>no complete answer within %1 ms</source>
        <translation>sin respuesta completa en %1 ms</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>cannot create a file in the folder of (%2): %1</source>
        <translation>no se puede crear un archivo en la carpeta de %1 (%2)</translation>
    </message>
    <message>
        <source>cannot set the permissions of (%2): %1</source>
        <translation>no se pueden fijar los permisos de %1 (%2)</translation>
    </message>
    <message>
        <source>cannot write (%2): %1</source>
        <translation>no se puede escribir %1 (%2)</translation>
    </message>
    <message>
        <source>cannot flush (%2): %1</source>
        <translation>no se puede volcar %1 al disco (%2)</translation>
    </message>
    <message>
        <source>cannot replace (%2): %1</source>
        <translation>no se puede reemplazar %1 (%2)</translation>
    </message>
    <message>
        <source>cannot read the settings file before changing it: %1</source>
        <translation>no se puede leer el archivo de ajustes antes de cambiarlo: %1</translation>
    </message>
    <message>
        <source>refusing to rewrite a settings file larger than 1 MiB: %1</source>
        <translation>no se reescribe un archivo de ajustes de más de 1 MiB: %1</translation>
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
    <name>GameHistory</name>
    <message>
        <source>&amp;Export History...</source>
        <translation>&amp;Exportar historial...</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <translation>&amp;Estadísticas</translation>
    </message>
    <message>
        <source>The history could not be written to %1: %2</source>
        <translation>No se pudo escribir el historial en %1: %2</translation>
    </message>
    <message>
        <source>Export History</source>
        <translation>Exportar historial</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Overview</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>Game Play</source>
        <translation>Cómo se juega</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>Documentation</source>
        <translation>Documentación</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Licencia</translation>
    </message>
    <message>
        <source>Pelbix Solo - Help File</source>
        <translation>Pelbix Solo - Ayuda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
</context>
<context>
    <name>HighScoreWindow</name>
    <message>
        <source>Pelbix Solo - High Scores</source>
        <translation>Pelbix Solo - Mejores puntuaciones</translation>
    </message>
    <message>
        <source>DONE</source>
        <translation>HECHO</translation>
    </message>
    <message>
        <source>The high-score list could not be reached.</source>
        <translation>No se pudo acceder a la lista de mejores puntuaciones.</translation>
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
    <name>HistoryStore</name>
    <message>
        <source>The game history %1 could not be opened: %2.</source>
        <translation>No se pudo abrir el historial de partidas %1: %2.</translation>
    </message>
    <message>
        <source>The game history %1 could not be read: %2.</source>
        <translation>No se pudo leer el historial de partidas %1: %2.</translation>
    </message>
    <message>
        <source>The game history %1 is damaged (%2).</source>
        <translation>El historial de partidas %1 está dañado (%2).</translation>
    </message>
    <message>
        <source>The game history %1 was written by a newer version of the game; games are not recorded.</source>
        <translation>El historial de partidas %1 es de una versión más reciente del juego; las partidas no se guardan.</translation>
    </message>
    <message>
        <source>The game history %1 is damaged or not a game history.</source>
        <translation>El historial de partidas %1 está dañado o no es un historial.</translation>
    </message>
    <message>
        <source>The game history %1 is damaged (%2) and could not be set aside.</source>
        <translation>El historial de partidas %1 está dañado (%2) y no se pudo apartar.</translation>
    </message>
    <message>
        <source>The game history %1 was damaged (%2); it was kept as %3 and a new history was started.</source>
        <translation>El historial de partidas %1 estaba dañado (%2); se guardó como %3 y se empezó uno nuevo.</translation>
    </message>
    <message>
        <source>The game could not be added to the history %1: %2.</source>
        <translation>No se pudo añadir la partida al historial %1: %2.</translation>
    </message>
    <message>
        <source>Game %1 of the history is damaged and was skipped.</source>
        <translation>La partida %1 del historial está dañada y se omitió.</translation>
    </message>
    <message>
        <source>A decision of game %1 is damaged.</source>
        <translation>Una jugada de la partida %1 está dañada.</translation>
    </message>
</context>
<context>
    <name>HttpClient</name>
    <message>
        <source>Connection aborted on request</source>
        <translation>Conexión interrumpida a petición</translation>
    </message>
    <message>
        <source>%1 (Error #%2)</source>
        <translation>%1 (error n.º %2)</translation>
    </message>
    <message>
        <source>can&apos;t connect: %1</source>
        <translation>no se puede conectar: %1</translation>
    </message>
    <message>
        <source>%1: no data for %2</source>
        <translation>%1: sin datos durante %2</translation>
    </message>
    <message>
        <source>%1: no complete answer within %2</source>
        <translation>%1: sin respuesta completa en %2</translation>
    </message>
    <message>
        <source>can&apos;t resolve hostname to IP address</source>
        <translation>no se puede resolver el nombre de host a una dirección IP</translation>
    </message>
    <message>
        <source>the proxy refused the tunnel: %1 %2</source>
        <translation>el proxy rechazó el túnel: %1 %2</translation>
    </message>
    <message>
        <source>can&apos;t establish a secure connection: %1</source>
        <translation>no se puede establecer una conexión segura: %1</translation>
    </message>
    <message>
        <source>Connection closed before the header was complete</source>
        <translation>Conexión cerrada antes de completar la cabecera</translation>
    </message>
    <message>
        <source>Connection closed before the document was complete</source>
        <translation>Conexión cerrada antes de completar el documento</translation>
    </message>
    <message>
        <source>Connection closed before the request was sent</source>
        <translation>Conexión cerrada antes de enviar la petición</translation>
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
        <translation>Derechos reservados.</translation>
    </message>
</context>
<context>
    <name>ListPageText</name>
    <message>
        <source>The rest of the page is not shown.</source>
        <translation>El resto de la página no se muestra.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Play Sounds</source>
        <translation>Reproducir &amp;sonidos</translation>
    </message>
    <message>
        <source>&amp;Reset Screen Location</source>
        <translation>&amp;Restablecer posición de la ventana</translation>
    </message>
    <message>
        <source>Change  &amp;Name</source>
        <translation>Cambiar &amp;nombre</translation>
    </message>
    <message>
        <source>Automatically &amp;Check for Updates</source>
        <translation>Buscar &amp;actualizaciones automáticamente</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Tally List</source>
        <translation>&amp;Tabla de resultados</translation>
    </message>
    <message>
        <source>View High Score &amp;List</source>
        <translation>&amp;Mejores puntuaciones</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>Atajos de &amp;teclado</translation>
    </message>
    <message>
        <source>Check out &amp;Multiplayer Pelbix!</source>
        <translation>¡Descubre Pelbix &amp;multijugador!</translation>
    </message>
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
    <message>
        <source>High &amp;Contrast</source>
        <translation>&amp;Contraste alto</translation>
    </message>
</context>
<context>
    <name>MultiplayerWindow</name>
    <message>
        <source>Pelbix Solo - Multiplayer</source>
        <translation>Pelbix Solo - Multijugador</translation>
    </message>
    <message>
        <source>Pelbix Solo has a multiplayer edition on the Dravik Software web site!</source>
        <translation>¡Pelbix Solo tiene una edición multijugador en el sitio web de Dravik Software!</translation>
    </message>
    <message>
        <source>Click here to learn how to play Pelbix against other people on the Dravik Software game service!</source>
        <translation>¡Haz clic aquí y descubre cómo jugar a Pelbix contra otros en el servicio de juegos de Dravik Software!</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
</context>
<context>
    <name>PostingWait</name>
    <message>
        <source>Posting Score, Please Wait</source>
        <translation>Enviando puntuación, espera</translation>
    </message>
</context>
<context>
    <name>ReviewWindow</name>
    <message>
        <source>Round</source>
        <translation>Ronda</translation>
    </message>
    <message>
        <source>Committed</source>
        <translation>Anotado</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Tirada</translation>
    </message>
    <message>
        <source>Your choice</source>
        <translation>Tu elección</translation>
    </message>
    <message>
        <source>Best choice</source>
        <translation>Mejor elección</translation>
    </message>
    <message>
        <source>Loss</source>
        <translation>Pérdida</translation>
    </message>
    <message>
        <source>(round start)</source>
        <translation>(inicio de ronda)</translation>
    </message>
    <message>
        <source>Round %1, roll %2: %3 instead of %4 cost %5</source>
        <translation>Ronda %1, tirada %2: %3 en vez de %4 costó %5</translation>
    </message>
    <message>
        <source>Pelbix Solo - Game Review</source>
        <translation>Pelbix Solo - Revisión de la partida</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
    <message>
        <source>No finished game yet: play one to the end.</source>
        <translation>Aún no hay partidas terminadas: juega una hasta el final.</translation>
    </message>
    <message>
        <source>Your game: %1 vs the expected score of perfect play: %2</source>
        <translation>Tu partida: %1 frente a la puntuación esperada del juego perfecto: %2</translation>
    </message>
    <message>
        <source>Expected points given away: %1; luck of the dice: %2</source>
        <translation>Puntos esperados perdidos: %1; suerte con los dados: %2</translation>
    </message>
    <message>
        <source>Every move was the best choice.</source>
        <translation>Cada jugada fue la mejor elección.</translation>
    </message>
    <message>
        <source> (hints used: %1)</source>
        <translation> (pistas usadas: %1)</translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <source>saved game: bad %1</source>
        <translation>partida guardada: valor no válido para %1</translation>
    </message>
    <message>
        <source>saved game: %1 out of range</source>
        <translation>partida guardada: %1 fuera de rango</translation>
    </message>
    <message>
        <source>saved game: missing %1</source>
        <translation>partida guardada: falta %1</translation>
    </message>
    <message>
        <source>saved game: expected %1</source>
        <translation>partida guardada: se esperaba %1</translation>
    </message>
    <message>
        <source>saved game: %1</source>
        <translation>partida guardada: %1</translation>
    </message>
    <message>
        <source>saved game: unknown die status</source>
        <translation>partida guardada: estado de dado desconocido</translation>
    </message>
    <message>
        <source>saved game: not a complete file</source>
        <translation>partida guardada: archivo incompleto</translation>
    </message>
    <message>
        <source>saved game: bad start time</source>
        <translation>partida guardada: hora de inicio no válida</translation>
    </message>
    <message>
        <source>saved game: too many faces</source>
        <translation>partida guardada: demasiadas caras</translation>
    </message>
    <message>
        <source>saved game: bad face</source>
        <translation>partida guardada: cara no válida</translation>
    </message>
    <message>
        <source>saved game: bad decision</source>
        <translation>partida guardada: jugada no válida</translation>
    </message>
    <message>
        <source>saved game: bad dice in a decision</source>
        <translation>partida guardada: dados no válidos en una jugada</translation>
    </message>
    <message>
        <source>saved game: too many decisions</source>
        <translation>partida guardada: demasiadas jugadas</translation>
    </message>
    <message>
        <source>score card does not match the round</source>
        <translation>la tarjeta de puntos no coincide con la ronda</translation>
    </message>
    <message>
        <source>first bank below the minimum</source>
        <translation>primera suma asegurada por debajo del mínimo</translation>
    </message>
    <message>
        <source>game total does not match the score card</source>
        <translation>el total no coincide con la tarjeta de puntos</translation>
    </message>
    <message>
        <source>on-board mark does not match the score card</source>
        <translation>la marca de entrada no coincide con la tarjeta de puntos</translation>
    </message>
    <message>
        <source>paused with a round under way</source>
        <translation>en pausa con una ronda en curso</translation>
    </message>
    <message>
        <source>points before the first roll</source>
        <translation>puntos antes de la primera tirada</translation>
    </message>
    <message>
        <source>die status does not match the round</source>
        <translation>el estado de un dado no coincide con la ronda</translation>
    </message>
    <message>
        <source>die face does not match the round</source>
        <translation>la cara de un dado no coincide con la ronda</translation>
    </message>
    <message>
        <source>saved game: file too long</source>
        <translation>partida guardada: archivo demasiado largo</translation>
    </message>
    <message>
        <source>saved game: not a saved game of this version</source>
        <translation>partida guardada: no es una partida de esta versión</translation>
    </message>
    <message>
        <source>generator state</source>
        <translation>el estado del generador</translation>
    </message>
    <message>
        <source>round</source>
        <translation>la ronda</translation>
    </message>
    <message>
        <source>saved game: round out of range</source>
        <translation>partida guardada: ronda fuera de rango</translation>
    </message>
    <message>
        <source>total</source>
        <translation>el total</translation>
    </message>
    <message>
        <source>round total</source>
        <translation>los puntos de la ronda</translation>
    </message>
    <message>
        <source>on-board mark</source>
        <translation>la marca de entrada</translation>
    </message>
    <message>
        <source>first-roll mark</source>
        <translation>la marca de primera tirada</translation>
    </message>
    <message>
        <source>pause mark</source>
        <translation>la marca de pausa</translation>
    </message>
    <message>
        <source>saved game: not six dice</source>
        <translation>partida guardada: no hay seis dados</translation>
    </message>
    <message>
        <source>saved game: bad die</source>
        <translation>partida guardada: dado no válido</translation>
    </message>
    <message>
        <source>die face</source>
        <translation>la cara del dado</translation>
    </message>
    <message>
        <source>saved game: not ten rounds on the card</source>
        <translation>partida guardada: no hay diez rondas en la tarjeta</translation>
    </message>
    <message>
        <source>round score</source>
        <translation>la puntuación de la ronda</translation>
    </message>
    <message>
        <source>saved game: unexpected lines at the end</source>
        <translation>partida guardada: líneas inesperadas al final</translation>
    </message>
</context>
<context>
    <name>SavedGameFile</name>
    <message>
        <source>The file was removed.</source>
        <translation>El archivo se eliminó.</translation>
    </message>
    <message>
        <source>The file was set aside as %1.</source>
        <translation>El archivo se apartó como %1.</translation>
    </message>
</context>
<context>
    <name>ShortcutsWindow</name>
    <message>
        <source>Pelbix Solo - Keyboard Shortcuts</source>
        <translation>Pelbix Solo - Atajos de teclado</translation>
    </message>
    <message>
        <source>KEYBOARD SHORTCUTS</source>
        <translation>ATAJOS DE TECLADO</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Acción</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Atajos de teclado</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <source>No finished games yet.</source>
        <translation>Aún no hay partidas terminadas.</translation>
    </message>
    <message>
        <source>Pelbix Solo - Statistics</source>
        <translation>Pelbix Solo - Estadísticas</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Puntuaciones</translation>
    </message>
    <message>
        <source>Score spread</source>
        <translation>Distribución</translation>
    </message>
    <message>
        <source>Points given away</source>
        <translation>Puntos perdidos</translation>
    </message>
    <message>
        <source>Luck</source>
        <translation>Suerte</translation>
    </message>
    <message>
        <source>Busts</source>
        <translation>Tiradas nulas</translation>
    </message>
    <message>
        <source>%1 chart</source>
        <translation>Gráfico %1</translation>
    </message>
    <message>
        <source>%1 table</source>
        <translation>Tabla %1</translation>
    </message>
    <message>
        <source>game 1</source>
        <translation>partida 1</translation>
    </message>
    <message>
        <source>game %1</source>
        <translation>partida %1</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>Average of 10</source>
        <translation>Media de 10</translation>
    </message>
    <message>
        <source>Score of each game, with the average of the last 10.</source>
        <translation>Puntuación de cada partida, con la media de las 10 últimas.</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partida</translation>
    </message>
    <message>
        <source>Your games</source>
        <translation>Tus partidas</translation>
    </message>
    <message>
        <source>Perfect play</source>
        <translation>Juego perfecto</translation>
    </message>
    <message>
        <source>Your final scores; perfect play&apos;s are being worked out.</source>
        <translation>Tus puntuaciones finales; las del juego perfecto se están calculando.</translation>
    </message>
    <message>
        <source>Your final scores against perfect play&apos;s.</source>
        <translation>Tus puntuaciones finales frente a las del juego perfecto.</translation>
    </message>
    <message>
        <source>Expected points given away in each game, against perfect play.</source>
        <translation>Puntos esperados perdidos en cada partida, frente al juego perfecto.</translation>
    </message>
    <message>
        <source>Given away</source>
        <translation>Perdidos</translation>
    </message>
    <message>
        <source>Running mean</source>
        <translation>Media acumulada</translation>
    </message>
    <message>
        <source>Luck of the dice in each game; fair dice keep its running mean near 0.</source>
        <translation>Suerte con los dados en cada partida; unos dados justos mantienen su media acumulada cerca de 0.</translation>
    </message>
    <message>
        <source>Your busts %</source>
        <translation>Tus tiradas nulas %</translation>
    </message>
    <message>
        <source>Exact odds %</source>
        <translation>Probabilidad exacta %</translation>
    </message>
    <message>
        <source>1 die</source>
        <translation>1 dado</translation>
    </message>
    <message>
        <source>6 dice</source>
        <translation>6 dados</translation>
    </message>
    <message>
        <source>Share of rolls that scored nothing, by dice thrown, against the exact odds.</source>
        <translation>Proporción de tiradas sin puntos, según los dados tirados, frente a la probabilidad exacta.</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Dados</translation>
    </message>
    <message>
        <source>Rolls</source>
        <translation>Tiradas</translation>
    </message>
    <message>
        <source>Your %</source>
        <translation>Tu %</translation>
    </message>
    <message>
        <source>Exact %</source>
        <translation>Exacto %</translation>
    </message>
    <message numerus="yes">
        <source>Games finished: %n (%1 coached, %2 abandoned).</source>
        <translation>
            <numerusform>Partidas terminadas: %n (%1 con pistas, %2 abandonadas).</numerusform>
            <numerusform>Partidas terminadas: %n (%1 con pistas, %2 abandonadas).</numerusform>
        </translation>
    </message>
    <message>
        <source>Mean score %1 against %2 for perfect play; mean points given away %3; mean luck %4.</source>
        <translation>Puntuación media %1 frente a %2 con juego perfecto; puntos cedidos de media %3; suerte media %4.</translation>
    </message>
</context>
<context>
    <name>TallyFile</name>
    <message>
        <source>%1 : this file is too large to be a tally file</source>
        <translation>%1: este archivo es demasiado grande para ser una tabla de resultados</translation>
    </message>
    <message>
        <source>%1 : the tally list in this file cannot be read (%2)</source>
        <translation>%1: no se puede leer la tabla de resultados de este archivo (%2)</translation>
    </message>
</context>
<context>
    <name>TallyListWindow</name>
    <message>
        <source>Pelbix Solo - Tally List</source>
        <translation>Pelbix Solo - Tabla de resultados</translation>
    </message>
    <message>
        <source>YOUR TALLY LIST</source>
        <translation>TUS RESULTADOS</translation>
    </message>
    <message>
        <source>HIGH SCORES</source>
        <translation>RÉCORDS</translation>
    </message>
    <message>
        <source>Total Games:</source>
        <translation>Partidas jugadas:</translation>
    </message>
    <message>
        <source>Running Total Score:</source>
        <translation>Puntos en total:</translation>
    </message>
    <message>
        <source>Average Game Score:</source>
        <translation>Media por partida:</translation>
    </message>
    <message>
        <source>Highest Round Scored:</source>
        <translation>Mejor ronda:</translation>
    </message>
    <message>
        <source>RESET TALLY</source>
        <translation>BORRAR</translation>
    </message>
    <message>
        <source>DONE</source>
        <translation>HECHO</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the Tally?</source>
        <translation>¿Seguro que quieres borrar la tabla de resultados?</translation>
    </message>
</context>
<context>
    <name>TallyModel</name>
    <message>
        <source>

The file has been kept as %1.</source>
        <translation>

El archivo se ha conservado como %1.</translation>
    </message>
</context>
<context>
    <name>UpdateFlow</name>
    <message>
        <source>Download Aborted</source>
        <translation>Descarga interrumpida</translation>
    </message>
    <message>
        <source>Updating. Please Wait...</source>
        <translation>Actualizando. Espera…</translation>
    </message>
    <message>
        <source>The installer could not be saved as %1: %2</source>
        <translation>No se pudo guardar el instalador como %1: %2</translation>
    </message>
    <message>
        <source>Received %1 bytes</source>
        <translation>%1 bytes recibidos</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Instalando</translation>
    </message>
    <message>
        <source>There was an error in the update process. Please download%1 manually from %2.</source>
        <translation>Se produjo un error durante la actualización. Descarga %1 manualmente desde %2.</translation>
    </message>
</context>
<context>
    <name>WSocketError</name>
    <message>
        <source>Not a WinSock error</source>
        <translation>No es un error de WinSock</translation>
    </message>
    <message>
        <source>No Error</source>
        <translation>Sin error</translation>
    </message>
    <message>
        <source>Interrupted system call</source>
        <translation>Llamada al sistema interrumpida</translation>
    </message>
    <message>
        <source>Bad file number</source>
        <translation>Número de archivo incorrecto</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permiso denegado</translation>
    </message>
    <message>
        <source>Bad address</source>
        <translation>Dirección incorrecta</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Argumento no válido</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Demasiados archivos abiertos</translation>
    </message>
    <message>
        <source>Operation would block</source>
        <translation>La operación se bloquearía</translation>
    </message>
    <message>
        <source>Operation now in progress</source>
        <translation>Operación en curso</translation>
    </message>
    <message>
        <source>Operation already in progress</source>
        <translation>La operación ya está en curso</translation>
    </message>
    <message>
        <source>Socket operation on non-socket</source>
        <translation>Operación de socket sobre algo que no es un socket</translation>
    </message>
    <message>
        <source>Destination address required</source>
        <translation>Se necesita una dirección de destino</translation>
    </message>
    <message>
        <source>Message too long</source>
        <translation>Mensaje demasiado largo</translation>
    </message>
    <message>
        <source>Protocol wrong type for socket</source>
        <translation>Tipo de protocolo incorrecto para el socket</translation>
    </message>
    <message>
        <source>Protocol not available</source>
        <translation>Protocolo no disponible</translation>
    </message>
    <message>
        <source>Protocol not supported</source>
        <translation>Protocolo no admitido</translation>
    </message>
    <message>
        <source>Socket type not supported</source>
        <translation>Tipo de socket no admitido</translation>
    </message>
    <message>
        <source>Operation not supported on socket</source>
        <translation>Operación no admitida en el socket</translation>
    </message>
    <message>
        <source>Protocol family not supported</source>
        <translation>Familia de protocolos no admitida</translation>
    </message>
    <message>
        <source>Address family not supported by protocol family</source>
        <translation>Familia de direcciones no admitida por la familia de protocolos</translation>
    </message>
    <message>
        <source>Address already in use</source>
        <translation>La dirección ya está en uso</translation>
    </message>
    <message>
        <source>Address not available</source>
        <translation>Dirección no disponible</translation>
    </message>
    <message>
        <source>Network is down</source>
        <translation>La red no está activa</translation>
    </message>
    <message>
        <source>Network is unreachable</source>
        <translation>La red es inaccesible</translation>
    </message>
    <message>
        <source>Network dropped connection on reset</source>
        <translation>La red cortó la conexión al reiniciarse</translation>
    </message>
    <message>
        <source>Connection aborted</source>
        <translation>Conexión interrumpida</translation>
    </message>
    <message>
        <source>Connection reset by peer</source>
        <translation>Conexión restablecida por el otro extremo</translation>
    </message>
    <message>
        <source>No buffer space available</source>
        <translation>No queda espacio en el búfer</translation>
    </message>
    <message>
        <source>Socket is already connected</source>
        <translation>El socket ya está conectado</translation>
    </message>
    <message>
        <source>Socket is not connected</source>
        <translation>El socket no está conectado</translation>
    </message>
    <message>
        <source>Can&apos;t send after socket shutdown</source>
        <translation>No se puede enviar tras cerrar el socket</translation>
    </message>
    <message>
        <source>Too many references: can&apos;t splice</source>
        <translation>Demasiadas referencias: no se puede empalmar</translation>
    </message>
    <message>
        <source>Connection timed out</source>
        <translation>Se agotó el tiempo de conexión</translation>
    </message>
    <message>
        <source>Connection refused</source>
        <translation>Conexión rechazada</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Demasiados niveles de enlaces simbólicos</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Nombre de archivo demasiado largo</translation>
    </message>
    <message>
        <source>Host is down</source>
        <translation>El host no está activo</translation>
    </message>
    <message>
        <source>No route to host</source>
        <translation>No hay ruta al host</translation>
    </message>
    <message>
        <source>Directory not empty</source>
        <translation>El directorio no está vacío</translation>
    </message>
    <message>
        <source>Too many processes</source>
        <translation>Demasiados procesos</translation>
    </message>
    <message>
        <source>Too many users</source>
        <translation>Demasiados usuarios</translation>
    </message>
    <message>
        <source>Disc quota exceeded</source>
        <translation>Cuota de disco superada</translation>
    </message>
    <message>
        <source>Stale NFS file handle</source>
        <translation>Identificador de archivo NFS obsoleto</translation>
    </message>
    <message>
        <source>Too many levels of remote in path</source>
        <translation>Demasiados niveles remotos en la ruta</translation>
    </message>
    <message>
        <source>Network subsystem is unusable</source>
        <translation>El subsistema de red no se puede usar</translation>
    </message>
    <message>
        <source>Winsock DLL cannot support this application</source>
        <translation>La DLL de Winsock no admite esta aplicación</translation>
    </message>
    <message>
        <source>Winsock not initialized</source>
        <translation>Winsock no inicializado</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Desconexión</translation>
    </message>
    <message>
        <source>Host not found</source>
        <translation>Host no encontrado</translation>
    </message>
    <message>
        <source>Non-authoritative host not found</source>
        <translation>Host no encontrado (respuesta no autorizada)</translation>
    </message>
    <message>
        <source>Non-recoverable error</source>
        <translation>Error irrecuperable</translation>
    </message>
    <message>
        <source>Valid name, no data record of requested type</source>
        <translation>Nombre válido, pero sin registro del tipo solicitado</translation>
    </message>
</context>
<context>
    <name>WindowAccessibility</name>
    <message>
        <source>Dravik Software logo</source>
        <translation>Logotipo de Dravik Software</translation>
    </message>
    <message>
        <source>Picture of the multiplayer edition</source>
        <translation>Imagen de la edición multijugador</translation>
    </message>
    <message>
        <source>High score list</source>
        <translation>Lista de mejores puntuaciones</translation>
    </message>
    <message>
        <source>Moves of the last game</source>
        <translation>Jugadas de la última partida</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacío</translation>
    </message>
</context>
</TS>
