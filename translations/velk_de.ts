<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AnimalEditor</name>
    <message>
        <source>No animals are loaded, so velk.dat is left as it was.</source>
        <translation>Es sind keine Tiere geladen, darum bleibt velk.dat, wie es war.</translation>
    </message>
</context>
<context>
    <name>AnimalForm</name>
    <message>
        <source>Animal</source>
        <translation>Tier</translation>
    </message>
    <message>
        <source>Choose a animal to display</source>
        <translation>Wähle ein Tier zum Anzeigen</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Change the difficulty</source>
        <translation>Stufe ändern</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>Familie</translation>
    </message>
    <message>
        <source>Eats</source>
        <translation>Frisst</translation>
    </message>
    <message>
        <source>Biomes</source>
        <translation>Lebensräume</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Store list</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Save changes, &amp; return to setup screen</source>
        <translation>Änderungen speichern und zu den Einstellungen zurückkehren</translation>
    </message>
    <message>
        <source>No picture: %1</source>
        <translation>Kein Bild: %1</translation>
    </message>
</context>
<context>
    <name>AnimalList</name>
    <message>
        <source>Store animal list to file</source>
        <translation>Tierliste speichern</translation>
    </message>
    <message>
        <source>Ready to store list by difficulty in file &apos;animal.txt&apos;</source>
        <translation>Die Liste nach Stufen in der Datei „animal.txt“ speichern?</translation>
    </message>
    <message>
        <source>The animal list could not be stored in %1: %2</source>
        <translation>Die Tierliste konnte nicht in %1 gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>Biome</name>
    <message>
        <source>Desert</source>
        <translation>Wüste</translation>
    </message>
    <message>
        <source>Plains</source>
        <translation>Ebene</translation>
    </message>
    <message>
        <source>Jungle</source>
        <translation>Dschungel</translation>
    </message>
    <message>
        <source>Mountains</source>
        <translation>Berge</translation>
    </message>
    <message>
        <source>Forest</source>
        <translation>Wald</translation>
    </message>
    <message>
        <source>Tundra</source>
        <translation>Tundra</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Wasser</translation>
    </message>
    <message>
        <source>Desert</source>
        <comment>does NOT live in ...</comment>
        <translation>in der Wüste</translation>
    </message>
    <message>
        <source>Plains</source>
        <comment>does NOT live in ...</comment>
        <translation>in der Ebene</translation>
    </message>
    <message>
        <source>Jungle</source>
        <comment>does NOT live in ...</comment>
        <translation>im Dschungel</translation>
    </message>
    <message>
        <source>Mountains</source>
        <comment>does NOT live in ...</comment>
        <translation>in den Bergen</translation>
    </message>
    <message>
        <source>Forest</source>
        <comment>does NOT live in ...</comment>
        <translation>im Wald</translation>
    </message>
    <message>
        <source>Tundra</source>
        <comment>does NOT live in ...</comment>
        <translation>in der Tundra</translation>
    </message>
    <message>
        <source>Water</source>
        <comment>does NOT live in ...</comment>
        <translation>im Wasser</translation>
    </message>
</context>
<context>
    <name>Class</name>
    <message>
        <source>Mammal</source>
        <translation>Säugetier</translation>
    </message>
    <message>
        <source>Bird</source>
        <translation>Vogel</translation>
    </message>
    <message>
        <source>Reptile</source>
        <translation>Reptil</translation>
    </message>
    <message>
        <source>Amphibian</source>
        <translation>Amphibie</translation>
    </message>
    <message>
        <source>Insect</source>
        <translation>Insekt</translation>
    </message>
    <message>
        <source>Mammal</source>
        <comment>is NOT a ...</comment>
        <translation>kein Säugetier</translation>
    </message>
    <message>
        <source>Bird</source>
        <comment>is NOT a ...</comment>
        <translation>kein Vogel</translation>
    </message>
    <message>
        <source>Reptile</source>
        <comment>is NOT a ...</comment>
        <translation>kein Reptil</translation>
    </message>
    <message>
        <source>Amphibian</source>
        <comment>is NOT a ...</comment>
        <translation>keine Amphibie</translation>
    </message>
    <message>
        <source>Insect</source>
        <comment>is NOT a ...</comment>
        <translation>kein Insekt</translation>
    </message>
</context>
<context>
    <name>Describe</name>
    <message>
        <source> Correct, +5 pts</source>
        <translation> Richtig, +5 Punkte</translation>
    </message>
    <message>
        <source>Sorry, the answer was %1</source>
        <translation>Schade, die Antwort war: %1</translation>
    </message>
    <message>
        <source>Click on the item that matches this image </source>
        <translation>Klicke auf das, was zu dem Bild passt.</translation>
    </message>
    <message>
        <source>Click on skip to move to the next question</source>
        <translation>Klicke auf „weiter“, um zur nächsten Frage zu gehen.</translation>
    </message>
</context>
<context>
    <name>DescribeForm</name>
    <message>
        <source>Describe this image</source>
        <translation>Was passt zum Bild?</translation>
    </message>
    <message>
        <source>help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>skip</source>
        <translation>weiter</translation>
    </message>
    <message>
        <source>Missing imagefile: %1</source>
        <translation>Bild fehlt: %1</translation>
    </message>
</context>
<context>
    <name>Eater</name>
    <message>
        <source>Herbivore</source>
        <translation>Pflanzenfresser</translation>
    </message>
    <message>
        <source>Carnivore</source>
        <translation>Fleischfresser</translation>
    </message>
    <message>
        <source>Insectivore</source>
        <translation>Insektenfresser</translation>
    </message>
    <message>
        <source>Omnivore</source>
        <translation>Allesfresser</translation>
    </message>
    <message>
        <source>Fishivore</source>
        <translation>Fischfresser</translation>
    </message>
    <message>
        <source>Plant eater</source>
        <translation>Frisst Pflanzen</translation>
    </message>
    <message>
        <source>Meat eater</source>
        <translation>Frisst Fleisch</translation>
    </message>
    <message>
        <source>Insect eater</source>
        <translation>Frisst Insekten</translation>
    </message>
    <message>
        <source>Eats anything</source>
        <translation>Frisst alles</translation>
    </message>
    <message>
        <source>Fish eater</source>
        <translation>Frisst Fisch</translation>
    </message>
    <message>
        <source>Herbivore</source>
        <comment>is NOT a ...</comment>
        <translation>kein Pflanzenfresser</translation>
    </message>
    <message>
        <source>Carnivore</source>
        <comment>is NOT a ...</comment>
        <translation>kein Fleischfresser</translation>
    </message>
    <message>
        <source>Insectivore</source>
        <comment>is NOT a ...</comment>
        <translation>kein Insektenfresser</translation>
    </message>
    <message>
        <source>Omnivore</source>
        <comment>is NOT a ...</comment>
        <translation>kein Allesfresser</translation>
    </message>
    <message>
        <source>Fishivore</source>
        <comment>is NOT a ...</comment>
        <translation>kein Fischfresser</translation>
    </message>
    <message>
        <source>Plant eater</source>
        <comment>is NOT a ...</comment>
        <translation>kein Pflanzenesser</translation>
    </message>
    <message>
        <source>Meat eater</source>
        <comment>is NOT a ...</comment>
        <translation>kein Fleischesser</translation>
    </message>
    <message>
        <source>Insect eater</source>
        <comment>is NOT a ...</comment>
        <translation>kein Insektenesser</translation>
    </message>
    <message>
        <source>Eats anything</source>
        <comment>is NOT a ...</comment>
        <translation>kein Allesesser</translation>
    </message>
    <message>
        <source>Fish eater</source>
        <comment>is NOT a ...</comment>
        <translation>kein Fischesser</translation>
    </message>
</context>
<context>
    <name>Family</name>
    <message>
        <source>Misc</source>
        <translation>Sonstige</translation>
    </message>
    <message>
        <source>Carnivore</source>
        <translation>Raubtier</translation>
    </message>
    <message>
        <source>Primate</source>
        <translation>Primat</translation>
    </message>
    <message>
        <source>Grazing</source>
        <translation>Weidetier</translation>
    </message>
    <message>
        <source>Rodent</source>
        <translation>Nagetier</translation>
    </message>
    <message>
        <source>Raptor</source>
        <translation>Greifvogel</translation>
    </message>
    <message>
        <source>Perching</source>
        <translation>Sitzvogel</translation>
    </message>
    <message>
        <source>Swimming</source>
        <translation>Schwimmvogel</translation>
    </message>
    <message>
        <source>Wading</source>
        <translation>Watvogel</translation>
    </message>
    <message>
        <source>Ground</source>
        <translation>Laufvogel</translation>
    </message>
    <message>
        <source>Meat eater</source>
        <translation>Fleischfresser</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>Affe</translation>
    </message>
    <message>
        <source>Plant eater</source>
        <translation>Pflanzenfresser</translation>
    </message>
    <message>
        <source>Hawk-like</source>
        <translation>Wie ein Falke</translation>
    </message>
    <message>
        <source>Rat-like</source>
        <translation>Wie eine Ratte</translation>
    </message>
    <message>
        <source>Tree &amp; brush</source>
        <translation>Baum und Busch</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Wasser</translation>
    </message>
    <message>
        <source>Carnivore</source>
        <comment>is NOT a ...</comment>
        <translation>kein Raubtier</translation>
    </message>
    <message>
        <source>Primate</source>
        <comment>is NOT a ...</comment>
        <translation>kein Primat</translation>
    </message>
    <message>
        <source>Grazing</source>
        <comment>is NOT a ...</comment>
        <translation>kein Weidetier</translation>
    </message>
    <message>
        <source>Rodent</source>
        <comment>is NOT a ...</comment>
        <translation>kein Nagetier</translation>
    </message>
    <message>
        <source>Raptor</source>
        <comment>is NOT a ...</comment>
        <translation>kein Greifvogel</translation>
    </message>
    <message>
        <source>Perching</source>
        <comment>is NOT a ...</comment>
        <translation>kein Sitzvogel</translation>
    </message>
    <message>
        <source>Swimming</source>
        <comment>is NOT a ...</comment>
        <translation>kein Schwimmvogel</translation>
    </message>
    <message>
        <source>Wading</source>
        <comment>is NOT a ...</comment>
        <translation>kein Watvogel</translation>
    </message>
    <message>
        <source>Ground</source>
        <comment>is NOT a ...</comment>
        <translation>kein Laufvogel</translation>
    </message>
    <message>
        <source>Meat eater</source>
        <comment>is NOT a ...</comment>
        <translation>kein Fleischfresser</translation>
    </message>
    <message>
        <source>Monkey</source>
        <comment>is NOT a ...</comment>
        <translation>kein Affe</translation>
    </message>
    <message>
        <source>Plant eater</source>
        <comment>is NOT a ...</comment>
        <translation>kein Pflanzenfresser</translation>
    </message>
    <message>
        <source>Hawk-like</source>
        <comment>is NOT a ...</comment>
        <translation>nicht wie ein Falke</translation>
    </message>
    <message>
        <source>Rat-like</source>
        <comment>is NOT a ...</comment>
        <translation>nicht wie eine Ratte</translation>
    </message>
    <message>
        <source>Tree &amp; brush</source>
        <comment>is NOT a ...</comment>
        <translation>kein Baum- und Buschvogel</translation>
    </message>
    <message>
        <source>Water</source>
        <comment>is NOT a ...</comment>
        <translation>kein Wassertier</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>No questions possible with current selections.  Change difficulty levels or question types</source>
        <translation> Fragen passen zu dieser Auswahl. Ändere die Stufe oder die Fragearten.</translation>
    </message>
    <message>
        <source>There are no animals to ask about: velk.dat beside the program could not be read.</source>
        <translation>Es gibt keine Tiere zum Fragen: velk.dat neben dem Programm konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Current set doesn&apos;t provide enough items for %1. Use another question type or change difficulty level to include more.</source>
        <translation>Es gibt nicht genug Tiere für „%1“. Wähle eine andere Frageart oder eine andere Stufe, damit mehr Tiere dabei sind.</translation>
    </message>
</context>
<context>
    <name>GameFolders</name>
    <message>
        <source>The folder for your own files could not be made: %1</source>
        <translation>Der Ordner für deine eigenen Dateien konnte nicht angelegt werden: %1</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>it was made by a newer version of the game</source>
        <translation>die Datei stammt von einer neueren Version des Spiels</translation>
    </message>
    <message>
        <source>Your answers could not be kept: %1</source>
        <translation>Deine Antworten konnten nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>The game plays on without keeping them.</source>
        <translation>Das Spiel geht weiter, speichert sie aber nicht.</translation>
    </message>
    <message>
        <source>The history of your answers was damaged. It was set aside as %1 and a new one begun.</source>
        <translation>Die Liste deiner Antworten war kaputt. Sie wurde als %1 beiseitegelegt, und eine neue wurde angefangen.</translation>
    </message>
    <message>
        <source>The history of your answers cannot be kept in %1</source>
        <translation>Die Liste deiner Antworten kann nicht in %1 gespeichert werden</translation>
    </message>
    <message>
        <source>The game plays on without it.</source>
        <translation>Das Spiel geht ohne sie weiter.</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>Animals</source>
        <translation>Tiere</translation>
    </message>
    <message>
        <source>Game design by the Morvane Velkins team</source>
        <translation>Spielidee: das Morvane-Velkins-Team</translation>
    </message>
    <message>
        <source>© 2026 the Morvane Velkins contributors</source>
        <translation>© 2026 die Mitwirkenden von Morvane Velkins</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Spielen</translation>
    </message>
    <message>
        <source>Play the game</source>
        <translation>Das Spiel spielen</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Conditions for the game</source>
        <translation>Einstellungen für das Spiel</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>My animals</source>
        <translation>Meine Tiere</translation>
    </message>
    <message>
        <source>The animals you know, and how your answers went</source>
        <translation>Die Tiere, die du kennst, und wie deine Antworten waren</translation>
    </message>
</context>
<context>
    <name>Match</name>
    <message>
        <source>%1 placed on image of %2</source>
        <translation>%1 liegt auf dem Bild von: %2</translation>
    </message>
    <message>
        <source>*** All correct!</source>
        <translation>*** Alles richtig!</translation>
    </message>
    <message>
        <source>*** Scored %1 of %2</source>
        <translation>*** %1 von %2 richtig</translation>
    </message>
    <message>
        <source>Click on one of the colored bars</source>
        <translation>Klicke auf einen der bunten Balken.</translation>
    </message>
    <message>
        <source>Then drag it to its picture</source>
        <translation>Dann ziehe ihn auf das passende Bild.</translation>
    </message>
    <message>
        <source>When all items are matched, click on &apos;done&apos;</source>
        <translation>Wenn alle Namen liegen, klicke auf „Fertig“.</translation>
    </message>
</context>
<context>
    <name>MatchBar</name>
    <message>
        <source>Click and drag this item to its description, below</source>
        <translation>Ziehe diesen Namen auf das passende Bild</translation>
    </message>
</context>
<context>
    <name>MatchForm</name>
    <message>
        <source>Picture %1</source>
        <translation>Bild %1</translation>
    </message>
    <message>
        <source>Match &apos;em</source>
        <translation>Was gehört zusammen?</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Click here when you are ready to proceed</source>
        <translation>Klicke hier, wenn du so weit bist</translation>
    </message>
    <message>
        <source>held</source>
        <translation>festgehalten</translation>
    </message>
    <message>
        <source>on %1</source>
        <translation>auf %1</translation>
    </message>
</context>
<context>
    <name>MyAnimalsForm</name>
    <message>
        <source>My animals</source>
        <translation>Meine Tiere</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Animals</source>
        <translation>Tiere</translation>
    </message>
    <message>
        <source>Right answers of the last weeks</source>
        <translation>Richtige Antworten der letzten Wochen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>%1 of %2 animals answered right</source>
        <translation>%1 von %2 Tieren richtig beantwortet</translation>
    </message>
</context>
<context>
    <name>NameMe</name>
    <message>
        <source>Name Me -- Press the letter keys to enter my name... </source>
        <translation>Wie heiße ich? -- Drücke die Buchstaben meines Namens ... </translation>
    </message>
    <message>
        <source>Press a letter, only</source>
        <translation>Drücke nur Buchstaben.</translation>
    </message>
    <message>
        <source>Already tried %1</source>
        <translation>%1 hattest du schon.</translation>
    </message>
    <message>
        <source>The word was: %1. Better luck next time!</source>
        <translation>Das Wort war: %1. Beim nächsten Mal klappt es bestimmt!</translation>
    </message>
    <message>
        <source>You got it!</source>
        <translation>Geschafft!</translation>
    </message>
</context>
<context>
    <name>NameMeForm</name>
    <message>
        <source>quit</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Guess the word before the dragon can appear!</source>
        <translation>Rate das Wort, bevor der Drache erscheint!</translation>
    </message>
    <message>
        <source>The animal to name</source>
        <translation>Das Tier, das du benennen sollst</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>Drache</translation>
    </message>
    <message>
        <source>missed</source>
        <translation>falsch</translation>
    </message>
    <message>
        <source>in the word</source>
        <translation>im Wort</translation>
    </message>
</context>
<context>
    <name>OddOneOut</name>
    <message>
        <source>Click on the image that does NOT fit the pattern</source>
        <translation>Klicke auf das Bild, das NICHT zu den anderen passt.</translation>
    </message>
</context>
<context>
    <name>OddOneOutForm</name>
    <message>
        <source>Odd One Out</source>
        <translation>Was passt nicht?</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Click here when you are ready to proceed</source>
        <translation>Klicke hier, wenn du so weit bist</translation>
    </message>
</context>
<context>
    <name>PlayerFlag</name>
    <message>
        <source>The choice to read aloud could not be kept in %1. It holds until the game ends.</source>
        <translation>Die Wahl „Vorlesen“ konnte nicht in %1 gespeichert werden. Sie gilt, bis das Spiel endet.</translation>
    </message>
    <message>
        <source>The choice to fill the screen could not be kept in %1. It holds until the game ends.</source>
        <translation>Die Wahl „Ganzer Bildschirm“ konnte nicht in %1 gespeichert werden. Sie gilt, bis das Spiel endet.</translation>
    </message>
    <message>
        <source>The choice to play sounds could not be kept in %1. It holds until the game ends.</source>
        <translation>Die Wahl „Töne“ konnte nicht in %1 gespeichert werden. Sie gilt, bis das Spiel endet.</translation>
    </message>
</context>
<context>
    <name>Players</name>
    <message>
        <source>Who is playing?</source>
        <translation>Wer spielt?</translation>
    </message>
    <message>
        <source>Practise missed animals</source>
        <translation>Fehler üben</translation>
    </message>
    <message>
        <source>The animals missed lately come back first</source>
        <translation>Tiere, die zuletzt falsch waren, kommen zuerst wieder dran</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Who plays here: add, rename or remove a player</source>
        <translation>Wer hier spielt: Spieler hinzufügen, umbenennen oder entfernen</translation>
    </message>
    <message>
        <source>Players need the history of answers, which cannot be kept here</source>
        <translation>Spieler brauchen die Liste der Antworten, und die kann hier nicht gespeichert werden</translation>
    </message>
</context>
<context>
    <name>PlayersForm</name>
    <message>
        <source>Players</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>A new player with this name and picture</source>
        <translation>Ein neuer Spieler mit diesem Namen und Bild</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Gives the chosen player this name and picture</source>
        <translation>Gibt dem gewählten Spieler diesen Namen und dieses Bild</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Spieler %1</translation>
    </message>
    <message>
        <source>Remove a player</source>
        <translation>Einen Spieler entfernen</translation>
    </message>
    <message>
        <source>Remove %1 and everything %1 has answered?</source>
        <translation>%1 entfernen, mit allem, was %1 beantwortet hat?</translation>
    </message>
</context>
<context>
    <name>QtVoice</name>
    <message>
        <source>The speech engine stopped working (%1).</source>
        <translation>Die Sprachausgabe funktioniert nicht mehr (%1).</translation>
    </message>
    <message>
        <source>The speech engine could not start (%1).</source>
        <translation>Die Sprachausgabe konnte nicht starten (%1).</translation>
    </message>
    <message>
        <source>The speech engine has no voice installed.</source>
        <translation>Für die Sprachausgabe ist keine Stimme installiert.</translation>
    </message>
    <message>
        <source>No speech engine is installed on this computer.</source>
        <translation>Auf diesem Computer ist keine Sprachausgabe installiert.</translation>
    </message>
</context>
<context>
    <name>QuestionType</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Name me!</source>
        <translation>Wie heiße ich?</translation>
    </message>
    <message>
        <source>Match animals by name</source>
        <translation>Namen zu Tieren ziehen</translation>
    </message>
    <message>
        <source>Pick class, family</source>
        <translation>Klasse und Familie wählen</translation>
    </message>
    <message>
        <source>Pick class, eater type</source>
        <translation>Klasse und Futter wählen</translation>
    </message>
    <message>
        <source>Pick biomes</source>
        <translation>Lebensräume wählen</translation>
    </message>
    <message>
        <source>Odd one out -- class</source>
        <translation>Was passt nicht? -- Klasse</translation>
    </message>
    <message>
        <source>Odd one out -- family</source>
        <translation>Was passt nicht? -- Familie</translation>
    </message>
    <message>
        <source>Odd one out -- eater type</source>
        <translation>Was passt nicht? -- Futter</translation>
    </message>
    <message>
        <source>Odd one out -- biome</source>
        <translation>Was passt nicht? -- Lebensraum</translation>
    </message>
</context>
<context>
    <name>Score</name>
    <message>
        <source>Current score: %1 of %2  (%3%)</source>
        <translation>Punkte bis jetzt: %1 von %2  (%3 %)</translation>
    </message>
    <message>
        <source>You scored %1 out of %2 (%3%)</source>
        <translation>Du hast %1 von %2 Punkten (%3 %)</translation>
    </message>
</context>
<context>
    <name>ScoreBoard</name>
    <message>
        <source>Quizmoot Scores</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Click here when  ready to proceed</source>
        <translation>Klicke hier, wenn du so weit bist</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>The settings in %1 cannot be read: </source>
        <translation>Die Einstellungen in %1 lassen sich nicht lesen: </translation>
    </message>
    <message>
        <source>The game starts with its default settings.</source>
        <translation>Das Spiel beginnt mit den üblichen Einstellungen.</translation>
    </message>
    <message>
        <source>The file is kept as %1.</source>
        <translation>Die Datei bleibt als %1 erhalten.</translation>
    </message>
    <message>
        <source>It could not be kept aside: %1.</source>
        <translation>Sie konnte nicht beiseitegelegt werden: %1.</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: %2</source>
        <translation>Die Einstellungen konnten nicht in %1 gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>As the desktop</source>
        <translation>Wie der Computer</translation>
    </message>
    <message>
        <source>The language could not be kept in your settings. It holds until the game ends.</source>
        <translation>Die Sprache konnte nicht in deinen Einstellungen gespeichert werden. Sie gilt, bis das Spiel endet.</translation>
    </message>
    <message>
        <source>Will create question file for online games</source>
        <translation>Die Fragen für Online-Spiele werden jetzt gesammelt.</translation>
    </message>
</context>
<context>
    <name>SetupForm</name>
    <message>
        <source>Number of questions per game</source>
        <translation>Fragen pro Spiel</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Tiere</translation>
    </message>
    <message>
        <source>Change item data</source>
        <translation>Die Tiere bearbeiten</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Click here to continue</source>
        <translation>Klicke hier, um weiterzumachen</translation>
    </message>
    <message>
        <source>Make online questions</source>
        <translation>Online-Fragen erstellen</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Schwierigkeit</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Leichteste</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Schwerste</translation>
    </message>
    <message>
        <source>Colored items are selected</source>
        <translation>Farbige Fragearten sind gewählt</translation>
    </message>
    <message>
        <source>Kinds of question</source>
        <translation>Fragearten</translation>
    </message>
    <message>
        <source> The game cannot read aloud.</source>
        <translation> Das Spiel kann nicht vorlesen.</translation>
    </message>
    <message>
        <source>Reads the questions, the answers and the score aloud. %1 switches it on every screen.</source>
        <translation>Liest die Fragen, die Antworten und die Punkte vor. %1 schaltet es auf jedem Bildschirm um.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>%1 Setup</source>
        <translation>%1 – Optionen</translation>
    </message>
    <message>
        <source>Plays a short sound after every answer and a cheer at the end of a game.</source>
        <translation>Spielt nach jeder Antwort einen kurzen Ton und am Ende des Spiels Jubel.</translation>
    </message>
</context>
<context>
    <name>Sounds</name>
    <message>
        <source>Sounds</source>
        <translation>Töne</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>Read aloud</source>
        <translation>Vorlesen</translation>
    </message>
    <message>
        <source>This copy of the game was built without speech.</source>
        <translation>Dieses Spiel wurde ohne Sprachausgabe gebaut.</translation>
    </message>
</context>
<context>
    <name>TextWindow</name>
    <message>
        <source>%1 could not be opened: %2</source>
        <translation>%1 ließ sich nicht öffnen: %2</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>UpDown</name>
    <message>
        <source>Up</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Runter</translation>
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
        <translation>Wähle, was zu diesem Tier passt</translation>
    </message>
    <message>
        <source>Pick the places where this creature lives</source>
        <translation>Wähle, wo dieses Tier lebt</translation>
    </message>
    <message>
        <source>Click on the animal that does NOT live in %1 </source>
        <translation>Klicke auf das Tier, das NICHT %1 lebt.</translation>
    </message>
    <message>
        <source>Click on animal that is NOT a %1</source>
        <translation>Klicke auf das Tier, das %1 ist.</translation>
    </message>
    <message>
        <source>Correct -- %1 is not %2 </source>
        <comment>does not live in</comment>
        <translation>Richtig! %1 lebt nicht %2.</translation>
    </message>
    <message>
        <source>No, %1 is not %2 </source>
        <comment>does not live in</comment>
        <translation>Nein! %1 lebt nicht %2.</translation>
    </message>
    <message>
        <source>Correct -- %1 is not %2</source>
        <translation>Richtig! %1 ist %2.</translation>
    </message>
    <message>
        <source>No, %1 is not %2</source>
        <translation>Nein! %1 ist %2.</translation>
    </message>
    <message>
        <source>Results for %1</source>
        <translation>Ergebnis: %1</translation>
    </message>
</context>
</TS>
