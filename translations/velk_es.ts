<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AnimalEditor</name>
    <message>
        <source>No animals are loaded, so velk.dat is left as it was.</source>
        <translation>No hay animales cargados, así que velk.dat se queda como estaba.</translation>
    </message>
</context>
<context>
    <name>AnimalForm</name>
    <message>
        <source>Animal</source>
        <translation>Animal</translation>
    </message>
    <message>
        <source>Choose a animal to display</source>
        <translation>Elige un animal para verlo</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Change the difficulty</source>
        <translation>Cambiar el nivel</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Clase</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>Familia</translation>
    </message>
    <message>
        <source>Eats</source>
        <translation>Come</translation>
    </message>
    <message>
        <source>Biomes</source>
        <translation>Hábitats</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Store list</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Save changes, &amp; return to setup screen</source>
        <translation>Guardar los cambios y volver a los ajustes</translation>
    </message>
    <message>
        <source>No picture: %1</source>
        <translation>Sin imagen: %1</translation>
    </message>
</context>
<context>
    <name>AnimalList</name>
    <message>
        <source>Store animal list to file</source>
        <translation>Guardar la lista de animales</translation>
    </message>
    <message>
        <source>Ready to store list by difficulty in file &apos;animal.txt&apos;</source>
        <translation>¿Guardar la lista por nivel en el archivo «animal.txt»?</translation>
    </message>
    <message>
        <source>The animal list could not be stored in %1: %2</source>
        <translation>No se pudo guardar la lista de animales en %1: %2</translation>
    </message>
</context>
<context>
    <name>Biome</name>
    <message>
        <source>Desert</source>
        <translation>Desierto</translation>
    </message>
    <message>
        <source>Plains</source>
        <translation>Llanura</translation>
    </message>
    <message>
        <source>Jungle</source>
        <translation>Selva</translation>
    </message>
    <message>
        <source>Mountains</source>
        <translation>Montaña</translation>
    </message>
    <message>
        <source>Forest</source>
        <translation>Bosque</translation>
    </message>
    <message>
        <source>Tundra</source>
        <translation>Tundra</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Agua</translation>
    </message>
    <message>
        <source>Desert</source>
        <comment>does NOT live in ...</comment>
        <translation>en el desierto</translation>
    </message>
    <message>
        <source>Plains</source>
        <comment>does NOT live in ...</comment>
        <translation>en la llanura</translation>
    </message>
    <message>
        <source>Jungle</source>
        <comment>does NOT live in ...</comment>
        <translation>en la selva</translation>
    </message>
    <message>
        <source>Mountains</source>
        <comment>does NOT live in ...</comment>
        <translation>en la montaña</translation>
    </message>
    <message>
        <source>Forest</source>
        <comment>does NOT live in ...</comment>
        <translation>en el bosque</translation>
    </message>
    <message>
        <source>Tundra</source>
        <comment>does NOT live in ...</comment>
        <translation>en la tundra</translation>
    </message>
    <message>
        <source>Water</source>
        <comment>does NOT live in ...</comment>
        <translation>en el agua</translation>
    </message>
</context>
<context>
    <name>Class</name>
    <message>
        <source>Mammal</source>
        <translation>Mamífero</translation>
    </message>
    <message>
        <source>Bird</source>
        <translation>Ave</translation>
    </message>
    <message>
        <source>Reptile</source>
        <translation>Reptil</translation>
    </message>
    <message>
        <source>Amphibian</source>
        <translation>Anfibio</translation>
    </message>
    <message>
        <source>Insect</source>
        <translation>Insecto</translation>
    </message>
    <message>
        <source>Mammal</source>
        <comment>is NOT a ...</comment>
        <translation>un mamífero</translation>
    </message>
    <message>
        <source>Bird</source>
        <comment>is NOT a ...</comment>
        <translation>un ave</translation>
    </message>
    <message>
        <source>Reptile</source>
        <comment>is NOT a ...</comment>
        <translation>un reptil</translation>
    </message>
    <message>
        <source>Amphibian</source>
        <comment>is NOT a ...</comment>
        <translation>un anfibio</translation>
    </message>
    <message>
        <source>Insect</source>
        <comment>is NOT a ...</comment>
        <translation>un insecto</translation>
    </message>
</context>
<context>
    <name>Describe</name>
    <message>
        <source> Correct, +5 pts</source>
        <translation> ¡Correcto, +5 puntos!</translation>
    </message>
    <message>
        <source>Sorry, the answer was %1</source>
        <translation>Lo siento, la respuesta era: %1</translation>
    </message>
    <message>
        <source>Click on the item that matches this image </source>
        <translation>Haz clic en lo que va con la imagen.</translation>
    </message>
    <message>
        <source>Click on skip to move to the next question</source>
        <translation>Haz clic en «saltar» para ir a la siguiente pregunta.</translation>
    </message>
</context>
<context>
    <name>DescribeForm</name>
    <message>
        <source>Describe this image</source>
        <translation>Describe esta imagen</translation>
    </message>
    <message>
        <source>help</source>
        <translation>ayuda</translation>
    </message>
    <message>
        <source>skip</source>
        <translation>saltar</translation>
    </message>
    <message>
        <source>Missing imagefile: %1</source>
        <translation>Falta la imagen: %1</translation>
    </message>
</context>
<context>
    <name>Eater</name>
    <message>
        <source>Herbivore</source>
        <translation>Herbívoro</translation>
    </message>
    <message>
        <source>Carnivore</source>
        <translation>Carnívoro</translation>
    </message>
    <message>
        <source>Insectivore</source>
        <translation>Insectívoro</translation>
    </message>
    <message>
        <source>Omnivore</source>
        <translation>Omnívoro</translation>
    </message>
    <message>
        <source>Fishivore</source>
        <translation>Piscívoro</translation>
    </message>
    <message>
        <source>Plant eater</source>
        <translation>Come plantas</translation>
    </message>
    <message>
        <source>Meat eater</source>
        <translation>Come carne</translation>
    </message>
    <message>
        <source>Insect eater</source>
        <translation>Come insectos</translation>
    </message>
    <message>
        <source>Eats anything</source>
        <translation>Come de todo</translation>
    </message>
    <message>
        <source>Fish eater</source>
        <translation>Come peces</translation>
    </message>
    <message>
        <source>Herbivore</source>
        <comment>is NOT a ...</comment>
        <translation>un herbívoro</translation>
    </message>
    <message>
        <source>Carnivore</source>
        <comment>is NOT a ...</comment>
        <translation>un carnívoro</translation>
    </message>
    <message>
        <source>Insectivore</source>
        <comment>is NOT a ...</comment>
        <translation>un insectívoro</translation>
    </message>
    <message>
        <source>Omnivore</source>
        <comment>is NOT a ...</comment>
        <translation>un omnívoro</translation>
    </message>
    <message>
        <source>Fishivore</source>
        <comment>is NOT a ...</comment>
        <translation>un piscívoro</translation>
    </message>
    <message>
        <source>Plant eater</source>
        <comment>is NOT a ...</comment>
        <translation>un comedor de plantas</translation>
    </message>
    <message>
        <source>Meat eater</source>
        <comment>is NOT a ...</comment>
        <translation>un comedor de carne</translation>
    </message>
    <message>
        <source>Insect eater</source>
        <comment>is NOT a ...</comment>
        <translation>un comedor de insectos</translation>
    </message>
    <message>
        <source>Eats anything</source>
        <comment>is NOT a ...</comment>
        <translation>un comedor de todo</translation>
    </message>
    <message>
        <source>Fish eater</source>
        <comment>is NOT a ...</comment>
        <translation>un comedor de peces</translation>
    </message>
</context>
<context>
    <name>Family</name>
    <message>
        <source>Misc</source>
        <translation>Varios</translation>
    </message>
    <message>
        <source>Carnivore</source>
        <translation>Carnívoro</translation>
    </message>
    <message>
        <source>Primate</source>
        <translation>Primate</translation>
    </message>
    <message>
        <source>Grazing</source>
        <translation>De pasto</translation>
    </message>
    <message>
        <source>Rodent</source>
        <translation>Roedor</translation>
    </message>
    <message>
        <source>Raptor</source>
        <translation>Rapaz</translation>
    </message>
    <message>
        <source>Perching</source>
        <translation>Pájaro posador</translation>
    </message>
    <message>
        <source>Swimming</source>
        <translation>Ave nadadora</translation>
    </message>
    <message>
        <source>Wading</source>
        <translation>Ave zancuda</translation>
    </message>
    <message>
        <source>Ground</source>
        <translation>Ave corredora</translation>
    </message>
    <message>
        <source>Meat eater</source>
        <translation>Come carne</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Plant eater</source>
        <translation>Come plantas</translation>
    </message>
    <message>
        <source>Hawk-like</source>
        <translation>Como un halcón</translation>
    </message>
    <message>
        <source>Rat-like</source>
        <translation>Como una rata</translation>
    </message>
    <message>
        <source>Tree &amp; brush</source>
        <translation>Árboles y arbustos</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Agua</translation>
    </message>
    <message>
        <source>Carnivore</source>
        <comment>is NOT a ...</comment>
        <translation>un carnívoro</translation>
    </message>
    <message>
        <source>Primate</source>
        <comment>is NOT a ...</comment>
        <translation>un primate</translation>
    </message>
    <message>
        <source>Grazing</source>
        <comment>is NOT a ...</comment>
        <translation>un animal de pasto</translation>
    </message>
    <message>
        <source>Rodent</source>
        <comment>is NOT a ...</comment>
        <translation>un roedor</translation>
    </message>
    <message>
        <source>Raptor</source>
        <comment>is NOT a ...</comment>
        <translation>una rapaz</translation>
    </message>
    <message>
        <source>Perching</source>
        <comment>is NOT a ...</comment>
        <translation>un pájaro posador</translation>
    </message>
    <message>
        <source>Swimming</source>
        <comment>is NOT a ...</comment>
        <translation>un ave nadadora</translation>
    </message>
    <message>
        <source>Wading</source>
        <comment>is NOT a ...</comment>
        <translation>un ave zancuda</translation>
    </message>
    <message>
        <source>Ground</source>
        <comment>is NOT a ...</comment>
        <translation>un ave corredora</translation>
    </message>
    <message>
        <source>Meat eater</source>
        <comment>is NOT a ...</comment>
        <translation>un comedor de carne</translation>
    </message>
    <message>
        <source>Monkey</source>
        <comment>is NOT a ...</comment>
        <translation>un mono</translation>
    </message>
    <message>
        <source>Plant eater</source>
        <comment>is NOT a ...</comment>
        <translation>un comedor de plantas</translation>
    </message>
    <message>
        <source>Hawk-like</source>
        <comment>is NOT a ...</comment>
        <translation>como un halcón</translation>
    </message>
    <message>
        <source>Rat-like</source>
        <comment>is NOT a ...</comment>
        <translation>como una rata</translation>
    </message>
    <message>
        <source>Tree &amp; brush</source>
        <comment>is NOT a ...</comment>
        <translation>un pájaro de árboles</translation>
    </message>
    <message>
        <source>Water</source>
        <comment>is NOT a ...</comment>
        <translation>un animal de agua</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>No questions possible with current selections.  Change difficulty levels or question types</source>
        <translation> preguntas posibles con esta selección. Cambia el nivel o los tipos de pregunta.</translation>
    </message>
    <message>
        <source>There are no animals to ask about: velk.dat beside the program could not be read.</source>
        <translation>No hay animales para preguntar: no se pudo leer velk.dat junto al programa.</translation>
    </message>
    <message>
        <source>Current set doesn&apos;t provide enough items for %1. Use another question type or change difficulty level to include more.</source>
        <translation>No hay suficientes animales para «%1». Elige otro tipo de pregunta o cambia el nivel para que haya más.</translation>
    </message>
</context>
<context>
    <name>GameFolders</name>
    <message>
        <source>The folder for your own files could not be made: %1</source>
        <translation>No se pudo crear la carpeta para tus archivos: %1</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>it was made by a newer version of the game</source>
        <translation>el archivo es de una versión más nueva del juego</translation>
    </message>
    <message>
        <source>Your answers could not be kept: %1</source>
        <translation>No se pudieron guardar tus respuestas: %1</translation>
    </message>
    <message>
        <source>The game plays on without keeping them.</source>
        <translation>El juego sigue sin guardarlas.</translation>
    </message>
    <message>
        <source>The history of your answers was damaged. It was set aside as %1 and a new one begun.</source>
        <translation>El historial de tus respuestas estaba dañado. Se apartó como %1 y se empezó uno nuevo.</translation>
    </message>
    <message>
        <source>The history of your answers cannot be kept in %1</source>
        <translation>El historial de tus respuestas no se puede guardar en %1</translation>
    </message>
    <message>
        <source>The game plays on without it.</source>
        <translation>El juego sigue sin él.</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>Animals</source>
        <translation>Animales</translation>
    </message>
    <message>
        <source>Game design by the Morvane Velkins team</source>
        <translation>Juego creado por el equipo de Morvane Velkins</translation>
    </message>
    <message>
        <source>© 2026 the Morvane Velkins contributors</source>
        <translation>© 2026 los colaboradores de Morvane Velkins</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jugar</translation>
    </message>
    <message>
        <source>Play the game</source>
        <translation>Jugar al juego</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Conditions for the game</source>
        <translation>Los ajustes del juego</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Créditos</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>My animals</source>
        <translation>Mis animales</translation>
    </message>
    <message>
        <source>The animals you know, and how your answers went</source>
        <translation>Los animales que conoces y cómo te fue al responder</translation>
    </message>
</context>
<context>
    <name>Match</name>
    <message>
        <source>%1 placed on image of %2</source>
        <translation>%1 está en la imagen de: %2</translation>
    </message>
    <message>
        <source>*** All correct!</source>
        <translation>*** ¡Todo correcto!</translation>
    </message>
    <message>
        <source>*** Scored %1 of %2</source>
        <translation>*** %1 de %2 correctas</translation>
    </message>
    <message>
        <source>Click on one of the colored bars</source>
        <translation>Haz clic en una de las barras de colores.</translation>
    </message>
    <message>
        <source>Then drag it to its picture</source>
        <translation>Luego arrástrala a su imagen.</translation>
    </message>
    <message>
        <source>When all items are matched, click on &apos;done&apos;</source>
        <translation>Cuando todos los nombres estén puestos, haz clic en «Listo».</translation>
    </message>
</context>
<context>
    <name>MatchBar</name>
    <message>
        <source>Click and drag this item to its description, below</source>
        <translation>Arrastra este nombre a su imagen</translation>
    </message>
</context>
<context>
    <name>MatchForm</name>
    <message>
        <source>Picture %1</source>
        <translation>Imagen %1</translation>
    </message>
    <message>
        <source>Match &apos;em</source>
        <translation>¡Emparéjalos!</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Saltar</translation>
    </message>
    <message>
        <source>Click here when you are ready to proceed</source>
        <translation>Haz clic aquí cuando estés listo</translation>
    </message>
    <message>
        <source>held</source>
        <translation>agarrado</translation>
    </message>
    <message>
        <source>on %1</source>
        <translation>en %1</translation>
    </message>
</context>
<context>
    <name>MyAnimalsForm</name>
    <message>
        <source>My animals</source>
        <translation>Mis animales</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Animals</source>
        <translation>Animales</translation>
    </message>
    <message>
        <source>Right answers of the last weeks</source>
        <translation>Respuestas correctas de las últimas semanas</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>%1 of %2 animals answered right</source>
        <translation>%1 de %2 animales acertados</translation>
    </message>
</context>
<context>
    <name>NameMe</name>
    <message>
        <source>Name Me -- Press the letter keys to enter my name... </source>
        <translation>¿Cómo me llamo? -- Pulsa las letras de mi nombre... </translation>
    </message>
    <message>
        <source>Press a letter, only</source>
        <translation>Pulsa solo letras.</translation>
    </message>
    <message>
        <source>Already tried %1</source>
        <translation>Ya probaste la %1.</translation>
    </message>
    <message>
        <source>The word was: %1. Better luck next time!</source>
        <translation>La palabra era: %1. ¡La próxima vez lo lograrás!</translation>
    </message>
    <message>
        <source>You got it!</source>
        <translation>¡Lo lograste!</translation>
    </message>
</context>
<context>
    <name>NameMeForm</name>
    <message>
        <source>quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Guess the word before the dragon can appear!</source>
        <translation>¡Adivina la palabra antes de que salga el dragón!</translation>
    </message>
    <message>
        <source>The animal to name</source>
        <translation>El animal que hay que nombrar</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>Dragón</translation>
    </message>
    <message>
        <source>missed</source>
        <translation>fallada</translation>
    </message>
    <message>
        <source>in the word</source>
        <translation>en la palabra</translation>
    </message>
</context>
<context>
    <name>OddOneOut</name>
    <message>
        <source>Click on the image that does NOT fit the pattern</source>
        <translation>Haz clic en la imagen que NO va con las demás.</translation>
    </message>
</context>
<context>
    <name>OddOneOutForm</name>
    <message>
        <source>Odd One Out</source>
        <translation>¿Cuál sobra?</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Saltar</translation>
    </message>
    <message>
        <source>Click here when you are ready to proceed</source>
        <translation>Haz clic aquí cuando estés listo</translation>
    </message>
</context>
<context>
    <name>PlayerFlag</name>
    <message>
        <source>The choice to read aloud could not be kept in %1. It holds until the game ends.</source>
        <translation>La opción «Leer en voz alta» no se pudo guardar en %1. Vale hasta que termine el juego.</translation>
    </message>
    <message>
        <source>The choice to fill the screen could not be kept in %1. It holds until the game ends.</source>
        <translation>La opción «Pantalla completa» no se pudo guardar en %1. Vale hasta que termine el juego.</translation>
    </message>
    <message>
        <source>The choice to play sounds could not be kept in %1. It holds until the game ends.</source>
        <translation>La opción «Sonidos» no se pudo guardar en %1. Vale hasta que termine el juego.</translation>
    </message>
</context>
<context>
    <name>Players</name>
    <message>
        <source>Who is playing?</source>
        <translation>¿Quién juega?</translation>
    </message>
    <message>
        <source>Practise missed animals</source>
        <translation>Repasar los fallos</translation>
    </message>
    <message>
        <source>The animals missed lately come back first</source>
        <translation>Los animales fallados hace poco salen primero</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jugadores</translation>
    </message>
    <message>
        <source>Who plays here: add, rename or remove a player</source>
        <translation>Quién juega aquí: añadir, renombrar o quitar un jugador</translation>
    </message>
    <message>
        <source>Players need the history of answers, which cannot be kept here</source>
        <translation>Los jugadores necesitan el historial de respuestas, que aquí no se puede guardar</translation>
    </message>
</context>
<context>
    <name>PlayersForm</name>
    <message>
        <source>Players</source>
        <translation>Jugadores</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>A new player with this name and picture</source>
        <translation>Un jugador nuevo con este nombre y esta imagen</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>Gives the chosen player this name and picture</source>
        <translation>Da este nombre y esta imagen al jugador elegido</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Jugador %1</translation>
    </message>
    <message>
        <source>Remove a player</source>
        <translation>Quitar un jugador</translation>
    </message>
    <message>
        <source>Remove %1 and everything %1 has answered?</source>
        <translation>¿Quitar a %1 y todo lo que %1 ha respondido?</translation>
    </message>
</context>
<context>
    <name>QtVoice</name>
    <message>
        <source>The speech engine stopped working (%1).</source>
        <translation>La voz ha dejado de funcionar (%1).</translation>
    </message>
    <message>
        <source>The speech engine could not start (%1).</source>
        <translation>La voz no pudo empezar (%1).</translation>
    </message>
    <message>
        <source>The speech engine has no voice installed.</source>
        <translation>No hay ninguna voz instalada.</translation>
    </message>
    <message>
        <source>No speech engine is installed on this computer.</source>
        <translation>No hay voz instalada en este ordenador.</translation>
    </message>
</context>
<context>
    <name>QuestionType</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Name me!</source>
        <translation>¿Cómo me llamo?</translation>
    </message>
    <message>
        <source>Match animals by name</source>
        <translation>Unir nombres y animales</translation>
    </message>
    <message>
        <source>Pick class, family</source>
        <translation>Elegir clase y familia</translation>
    </message>
    <message>
        <source>Pick class, eater type</source>
        <translation>Elegir clase y comida</translation>
    </message>
    <message>
        <source>Pick biomes</source>
        <translation>Elegir hábitats</translation>
    </message>
    <message>
        <source>Odd one out -- class</source>
        <translation>¿Cuál sobra? -- clase</translation>
    </message>
    <message>
        <source>Odd one out -- family</source>
        <translation>¿Cuál sobra? -- familia</translation>
    </message>
    <message>
        <source>Odd one out -- eater type</source>
        <translation>¿Cuál sobra? -- comida</translation>
    </message>
    <message>
        <source>Odd one out -- biome</source>
        <translation>¿Cuál sobra? -- hábitat</translation>
    </message>
</context>
<context>
    <name>Score</name>
    <message>
        <source>Current score: %1 of %2  (%3%)</source>
        <translation>Puntos: %1 de %2  (%3 %)</translation>
    </message>
    <message>
        <source>You scored %1 out of %2 (%3%)</source>
        <translation>Has conseguido %1 de %2 puntos (%3 %)</translation>
    </message>
</context>
<context>
    <name>ScoreBoard</name>
    <message>
        <source>Quizmoot Scores</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>Vale</translation>
    </message>
    <message>
        <source>Click here when  ready to proceed</source>
        <translation>Haz clic aquí cuando estés listo</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>The settings in %1 cannot be read: </source>
        <translation>No se pueden leer los ajustes de %1: </translation>
    </message>
    <message>
        <source>The game starts with its default settings.</source>
        <translation>El juego empieza con los ajustes de siempre.</translation>
    </message>
    <message>
        <source>The file is kept as %1.</source>
        <translation>El archivo se guarda como %1.</translation>
    </message>
    <message>
        <source>It could not be kept aside: %1.</source>
        <translation>No se pudo apartar: %1.</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: %2</source>
        <translation>No se pudieron guardar los ajustes en %1: %2</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>As the desktop</source>
        <translation>Como el ordenador</translation>
    </message>
    <message>
        <source>The language could not be kept in your settings. It holds until the game ends.</source>
        <translation>No se pudo guardar el idioma en tus ajustes. Vale hasta que termine el juego.</translation>
    </message>
    <message>
        <source>Will create question file for online games</source>
        <translation>Se creará el archivo de preguntas para juegos en línea.</translation>
    </message>
</context>
<context>
    <name>SetupForm</name>
    <message>
        <source>Number of questions per game</source>
        <translation>Preguntas por partida</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Animales</translation>
    </message>
    <message>
        <source>Change item data</source>
        <translation>Editar los animales</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Vale</translation>
    </message>
    <message>
        <source>Click here to continue</source>
        <translation>Haz clic aquí para seguir</translation>
    </message>
    <message>
        <source>Make online questions</source>
        <translation>Preguntas en línea</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Dificultad</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Mínimo</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Máximo</translation>
    </message>
    <message>
        <source>Colored items are selected</source>
        <translation>Las líneas de color están elegidas</translation>
    </message>
    <message>
        <source>Kinds of question</source>
        <translation>Tipos de pregunta</translation>
    </message>
    <message>
        <source> The game cannot read aloud.</source>
        <translation> El juego no puede leer en voz alta.</translation>
    </message>
    <message>
        <source>Reads the questions, the answers and the score aloud. %1 switches it on every screen.</source>
        <translation>Lee en voz alta las preguntas, las respuestas y los puntos. %1 lo activa o lo para en cada pantalla.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>%1 Setup</source>
        <translation>%1 – Ajustes</translation>
    </message>
    <message>
        <source>Plays a short sound after every answer and a cheer at the end of a game.</source>
        <translation>Suena un sonido corto después de cada respuesta y un aplauso al final de la partida.</translation>
    </message>
</context>
<context>
    <name>Sounds</name>
    <message>
        <source>Sounds</source>
        <translation>Sonidos</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>Read aloud</source>
        <translation>Leer en voz alta</translation>
    </message>
    <message>
        <source>This copy of the game was built without speech.</source>
        <translation>Este juego se creó sin voz.</translation>
    </message>
</context>
<context>
    <name>TextWindow</name>
    <message>
        <source>%1 could not be opened: %2</source>
        <translation>No se pudo abrir %1: %2</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>UpDown</name>
    <message>
        <source>Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bajar</translation>
    </message>
</context>
<context>
    <name>Wording</name>
    <message>
        <source>%1 %2</source>
        <comment>class and family or eater</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Pick the description for this creature</source>
        <translation>Elige lo que describe a este animal</translation>
    </message>
    <message>
        <source>Pick the places where this creature lives</source>
        <translation>Elige dónde vive este animal</translation>
    </message>
    <message>
        <source>Click on the animal that does NOT live in %1 </source>
        <translation>Haz clic en el animal que NO vive %1.</translation>
    </message>
    <message>
        <source>Click on animal that is NOT a %1</source>
        <translation>Haz clic en el animal que NO es %1.</translation>
    </message>
    <message>
        <source>Correct -- %1 is not %2 </source>
        <comment>does not live in</comment>
        <translation>¡Correcto! %1 no vive %2.</translation>
    </message>
    <message>
        <source>No, %1 is not %2 </source>
        <comment>does not live in</comment>
        <translation>¡No! %1 no vive %2.</translation>
    </message>
    <message>
        <source>Correct -- %1 is not %2</source>
        <translation>¡Correcto! %1 no es %2.</translation>
    </message>
    <message>
        <source>No, %1 is not %2</source>
        <translation>¡No! %1 no es %2.</translation>
    </message>
    <message>
        <source>Results for %1</source>
        <translation>Resultado: %1</translation>
    </message>
</context>
</TS>
