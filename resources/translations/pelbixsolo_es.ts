<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
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
    <name>Tstatistics</name>
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
</TS>
