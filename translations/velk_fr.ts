<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AnimalEditor</name>
    <message>
        <source>No animals are loaded, so velk.dat is left as it was.</source>
        <translation>Aucun animal n’est chargé : velk.dat reste tel quel.</translation>
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
        <translation>Choisis un animal à afficher</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Change the difficulty</source>
        <translation>Changer le niveau</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Classe</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>Famille</translation>
    </message>
    <message>
        <source>Eats</source>
        <translation>Mange</translation>
    </message>
    <message>
        <source>Biomes</source>
        <translation>Milieux</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Store list</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Save changes, &amp; return to setup screen</source>
        <translation>Enregistrer les changements et revenir aux réglages</translation>
    </message>
    <message>
        <source>No picture: %1</source>
        <translation>Pas d’image : %1</translation>
    </message>
</context>
<context>
    <name>AnimalList</name>
    <message>
        <source>Store animal list to file</source>
        <translation>Enregistrer la liste des animaux</translation>
    </message>
    <message>
        <source>Ready to store list by difficulty in file &apos;animal.txt&apos;</source>
        <translation>Enregistrer la liste par niveau dans le fichier « animal.txt » ?</translation>
    </message>
    <message>
        <source>The animal list could not be stored in %1: %2</source>
        <translation>La liste des animaux n’a pas pu être enregistrée dans %1 : %2</translation>
    </message>
</context>
<context>
    <name>Biome</name>
    <message>
        <source>Desert</source>
        <translation>Désert</translation>
    </message>
    <message>
        <source>Plains</source>
        <translation>Plaine</translation>
    </message>
    <message>
        <source>Jungle</source>
        <translation>Jungle</translation>
    </message>
    <message>
        <source>Mountains</source>
        <translation>Montagne</translation>
    </message>
    <message>
        <source>Forest</source>
        <translation>Forêt</translation>
    </message>
    <message>
        <source>Tundra</source>
        <translation>Toundra</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Eau</translation>
    </message>
    <message>
        <source>Desert</source>
        <comment>does NOT live in ...</comment>
        <translation>dans le désert</translation>
    </message>
    <message>
        <source>Plains</source>
        <comment>does NOT live in ...</comment>
        <translation>dans la plaine</translation>
    </message>
    <message>
        <source>Jungle</source>
        <comment>does NOT live in ...</comment>
        <translation>dans la jungle</translation>
    </message>
    <message>
        <source>Mountains</source>
        <comment>does NOT live in ...</comment>
        <translation>à la montagne</translation>
    </message>
    <message>
        <source>Forest</source>
        <comment>does NOT live in ...</comment>
        <translation>dans la forêt</translation>
    </message>
    <message>
        <source>Tundra</source>
        <comment>does NOT live in ...</comment>
        <translation>dans la toundra</translation>
    </message>
    <message>
        <source>Water</source>
        <comment>does NOT live in ...</comment>
        <translation>dans l’eau</translation>
    </message>
</context>
<context>
    <name>Class</name>
    <message>
        <source>Mammal</source>
        <translation>Mammifère</translation>
    </message>
    <message>
        <source>Bird</source>
        <translation>Oiseau</translation>
    </message>
    <message>
        <source>Reptile</source>
        <translation>Reptile</translation>
    </message>
    <message>
        <source>Amphibian</source>
        <translation>Amphibien</translation>
    </message>
    <message>
        <source>Insect</source>
        <translation>Insecte</translation>
    </message>
    <message>
        <source>Mammal</source>
        <comment>is NOT a ...</comment>
        <translation>un mammifère</translation>
    </message>
    <message>
        <source>Bird</source>
        <comment>is NOT a ...</comment>
        <translation>un oiseau</translation>
    </message>
    <message>
        <source>Reptile</source>
        <comment>is NOT a ...</comment>
        <translation>un reptile</translation>
    </message>
    <message>
        <source>Amphibian</source>
        <comment>is NOT a ...</comment>
        <translation>un amphibien</translation>
    </message>
    <message>
        <source>Insect</source>
        <comment>is NOT a ...</comment>
        <translation>un insecte</translation>
    </message>
</context>
<context>
    <name>Describe</name>
    <message>
        <source> Correct, +5 pts</source>
        <translation> Bravo, +5 points</translation>
    </message>
    <message>
        <source>Sorry, the answer was %1</source>
        <translation>Dommage, la réponse était : %1</translation>
    </message>
    <message>
        <source>Click on the item that matches this image </source>
        <translation>Clique sur ce qui va avec l’image.</translation>
    </message>
    <message>
        <source>Click on skip to move to the next question</source>
        <translation>Clique sur « passer » pour aller à la question suivante.</translation>
    </message>
</context>
<context>
    <name>DescribeForm</name>
    <message>
        <source>Describe this image</source>
        <translation>Décris cette image</translation>
    </message>
    <message>
        <source>help</source>
        <translation>aide</translation>
    </message>
    <message>
        <source>skip</source>
        <translation>passer</translation>
    </message>
    <message>
        <source>Missing imagefile: %1</source>
        <translation>Image manquante : %1</translation>
    </message>
</context>
<context>
    <name>Eater</name>
    <message>
        <source>Herbivore</source>
        <translation>Herbivore</translation>
    </message>
    <message>
        <source>Carnivore</source>
        <translation>Carnivore</translation>
    </message>
    <message>
        <source>Insectivore</source>
        <translation>Insectivore</translation>
    </message>
    <message>
        <source>Omnivore</source>
        <translation>Omnivore</translation>
    </message>
    <message>
        <source>Fishivore</source>
        <translation>Piscivore</translation>
    </message>
    <message>
        <source>Plant eater</source>
        <translation>Mange des plantes</translation>
    </message>
    <message>
        <source>Meat eater</source>
        <translation>Mange de la viande</translation>
    </message>
    <message>
        <source>Insect eater</source>
        <translation>Mange des insectes</translation>
    </message>
    <message>
        <source>Eats anything</source>
        <translation>Mange de tout</translation>
    </message>
    <message>
        <source>Fish eater</source>
        <translation>Mange du poisson</translation>
    </message>
    <message>
        <source>Herbivore</source>
        <comment>is NOT a ...</comment>
        <translation>un herbivore</translation>
    </message>
    <message>
        <source>Carnivore</source>
        <comment>is NOT a ...</comment>
        <translation>un carnivore</translation>
    </message>
    <message>
        <source>Insectivore</source>
        <comment>is NOT a ...</comment>
        <translation>un insectivore</translation>
    </message>
    <message>
        <source>Omnivore</source>
        <comment>is NOT a ...</comment>
        <translation>un omnivore</translation>
    </message>
    <message>
        <source>Fishivore</source>
        <comment>is NOT a ...</comment>
        <translation>un piscivore</translation>
    </message>
    <message>
        <source>Plant eater</source>
        <comment>is NOT a ...</comment>
        <translation>un mangeur de plantes</translation>
    </message>
    <message>
        <source>Meat eater</source>
        <comment>is NOT a ...</comment>
        <translation>un mangeur de viande</translation>
    </message>
    <message>
        <source>Insect eater</source>
        <comment>is NOT a ...</comment>
        <translation>un mangeur d’insectes</translation>
    </message>
    <message>
        <source>Eats anything</source>
        <comment>is NOT a ...</comment>
        <translation>un mangeur de tout</translation>
    </message>
    <message>
        <source>Fish eater</source>
        <comment>is NOT a ...</comment>
        <translation>un mangeur de poisson</translation>
    </message>
</context>
<context>
    <name>Family</name>
    <message>
        <source>Misc</source>
        <translation>Divers</translation>
    </message>
    <message>
        <source>Carnivore</source>
        <translation>Carnivore</translation>
    </message>
    <message>
        <source>Primate</source>
        <translation>Primate</translation>
    </message>
    <message>
        <source>Grazing</source>
        <translation>Brouteur</translation>
    </message>
    <message>
        <source>Rodent</source>
        <translation>Rongeur</translation>
    </message>
    <message>
        <source>Raptor</source>
        <translation>Rapace</translation>
    </message>
    <message>
        <source>Perching</source>
        <translation>Passereau</translation>
    </message>
    <message>
        <source>Swimming</source>
        <translation>Oiseau nageur</translation>
    </message>
    <message>
        <source>Wading</source>
        <translation>Échassier</translation>
    </message>
    <message>
        <source>Ground</source>
        <translation>Oiseau marcheur</translation>
    </message>
    <message>
        <source>Meat eater</source>
        <translation>Mangeur de viande</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>Singe</translation>
    </message>
    <message>
        <source>Plant eater</source>
        <translation>Mangeur de plantes</translation>
    </message>
    <message>
        <source>Hawk-like</source>
        <translation>Comme un faucon</translation>
    </message>
    <message>
        <source>Rat-like</source>
        <translation>Comme un rat</translation>
    </message>
    <message>
        <source>Tree &amp; brush</source>
        <translation>Arbres et buissons</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Eau</translation>
    </message>
    <message>
        <source>Carnivore</source>
        <comment>is NOT a ...</comment>
        <translation>un carnivore</translation>
    </message>
    <message>
        <source>Primate</source>
        <comment>is NOT a ...</comment>
        <translation>un primate</translation>
    </message>
    <message>
        <source>Grazing</source>
        <comment>is NOT a ...</comment>
        <translation>un brouteur</translation>
    </message>
    <message>
        <source>Rodent</source>
        <comment>is NOT a ...</comment>
        <translation>un rongeur</translation>
    </message>
    <message>
        <source>Raptor</source>
        <comment>is NOT a ...</comment>
        <translation>un rapace</translation>
    </message>
    <message>
        <source>Perching</source>
        <comment>is NOT a ...</comment>
        <translation>un passereau</translation>
    </message>
    <message>
        <source>Swimming</source>
        <comment>is NOT a ...</comment>
        <translation>un oiseau nageur</translation>
    </message>
    <message>
        <source>Wading</source>
        <comment>is NOT a ...</comment>
        <translation>un échassier</translation>
    </message>
    <message>
        <source>Ground</source>
        <comment>is NOT a ...</comment>
        <translation>un oiseau marcheur</translation>
    </message>
    <message>
        <source>Meat eater</source>
        <comment>is NOT a ...</comment>
        <translation>un mangeur de viande</translation>
    </message>
    <message>
        <source>Monkey</source>
        <comment>is NOT a ...</comment>
        <translation>un singe</translation>
    </message>
    <message>
        <source>Plant eater</source>
        <comment>is NOT a ...</comment>
        <translation>un mangeur de plantes</translation>
    </message>
    <message>
        <source>Hawk-like</source>
        <comment>is NOT a ...</comment>
        <translation>comme un faucon</translation>
    </message>
    <message>
        <source>Rat-like</source>
        <comment>is NOT a ...</comment>
        <translation>comme un rat</translation>
    </message>
    <message>
        <source>Tree &amp; brush</source>
        <comment>is NOT a ...</comment>
        <translation>un oiseau des arbres</translation>
    </message>
    <message>
        <source>Water</source>
        <comment>is NOT a ...</comment>
        <translation>un animal de l’eau</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>No questions possible with current selections.  Change difficulty levels or question types</source>
        <translation> question possible avec ces choix. Change le niveau ou les sortes de questions.</translation>
    </message>
    <message>
        <source>There are no animals to ask about: velk.dat beside the program could not be read.</source>
        <translation>Il n’y a pas d’animaux à deviner : velk.dat, à côté du programme, n’a pas pu être lu.</translation>
    </message>
    <message>
        <source>Current set doesn&apos;t provide enough items for %1. Use another question type or change difficulty level to include more.</source>
        <translation>Il n’y a pas assez d’animaux pour « %1 ». Choisis une autre sorte de question ou change de niveau pour en avoir plus.</translation>
    </message>
</context>
<context>
    <name>GameFolders</name>
    <message>
        <source>The folder for your own files could not be made: %1</source>
        <translation>Le dossier pour tes fichiers n’a pas pu être créé : %1</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>it was made by a newer version of the game</source>
        <translation>le fichier vient d’une version plus récente du jeu</translation>
    </message>
    <message>
        <source>Your answers could not be kept: %1</source>
        <translation>Tes réponses n’ont pas pu être gardées : %1</translation>
    </message>
    <message>
        <source>The game plays on without keeping them.</source>
        <translation>Le jeu continue sans les garder.</translation>
    </message>
    <message>
        <source>The history of your answers was damaged. It was set aside as %1 and a new one begun.</source>
        <translation>L’historique de tes réponses était abîmé. Il a été mis de côté sous le nom %1 et un nouveau a été commencé.</translation>
    </message>
    <message>
        <source>The history of your answers cannot be kept in %1</source>
        <translation>L’historique de tes réponses ne peut pas être gardé dans %1</translation>
    </message>
    <message>
        <source>The game plays on without it.</source>
        <translation>Le jeu continue sans lui.</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>Animals</source>
        <translation>Animaux</translation>
    </message>
    <message>
        <source>Game design by the Morvane Velkins team</source>
        <translation>Jeu conçu par l’équipe Morvane Velkins</translation>
    </message>
    <message>
        <source>© 2026 the Morvane Velkins contributors</source>
        <translation>© 2026 les contributeurs de Morvane Velkins</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <source>Play the game</source>
        <translation>Jouer au jeu</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Conditions for the game</source>
        <translation>Les réglages du jeu</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>My animals</source>
        <translation>Mes animaux</translation>
    </message>
    <message>
        <source>The animals you know, and how your answers went</source>
        <translation>Les animaux que tu connais, et comment tu as répondu</translation>
    </message>
</context>
<context>
    <name>Match</name>
    <message>
        <source>%1 placed on image of %2</source>
        <translation>%1 est sur l’image de : %2</translation>
    </message>
    <message>
        <source>*** All correct!</source>
        <translation>*** Tout est juste !</translation>
    </message>
    <message>
        <source>*** Scored %1 of %2</source>
        <translation>*** %1 sur %2 justes</translation>
    </message>
    <message>
        <source>Click on one of the colored bars</source>
        <translation>Clique sur une des barres de couleur.</translation>
    </message>
    <message>
        <source>Then drag it to its picture</source>
        <translation>Puis fais-la glisser sur la bonne image.</translation>
    </message>
    <message>
        <source>When all items are matched, click on &apos;done&apos;</source>
        <translation>Quand tous les noms sont placés, clique sur « Terminé ».</translation>
    </message>
</context>
<context>
    <name>MatchBar</name>
    <message>
        <source>Click and drag this item to its description, below</source>
        <translation>Fais glisser ce nom sur la bonne image</translation>
    </message>
</context>
<context>
    <name>MatchForm</name>
    <message>
        <source>Picture %1</source>
        <translation>Image %1</translation>
    </message>
    <message>
        <source>Match &apos;em</source>
        <translation>Associe-les !</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Passer</translation>
    </message>
    <message>
        <source>Click here when you are ready to proceed</source>
        <translation>Clique ici quand tu es prêt</translation>
    </message>
    <message>
        <source>held</source>
        <translation>tenu</translation>
    </message>
    <message>
        <source>on %1</source>
        <translation>sur %1</translation>
    </message>
</context>
<context>
    <name>MyAnimalsForm</name>
    <message>
        <source>My animals</source>
        <translation>Mes animaux</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>Animals</source>
        <translation>Animaux</translation>
    </message>
    <message>
        <source>Right answers of the last weeks</source>
        <translation>Bonnes réponses des dernières semaines</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>%1 of %2 animals answered right</source>
        <translation>Bonne réponse pour %1 animaux sur %2</translation>
    </message>
</context>
<context>
    <name>NameMe</name>
    <message>
        <source>Name Me -- Press the letter keys to enter my name... </source>
        <translation>Comment je m’appelle ? -- Tape les lettres de mon nom... </translation>
    </message>
    <message>
        <source>Press a letter, only</source>
        <translation>Tape seulement des lettres.</translation>
    </message>
    <message>
        <source>Already tried %1</source>
        <translation>Tu as déjà essayé %1.</translation>
    </message>
    <message>
        <source>The word was: %1. Better luck next time!</source>
        <translation>Le mot était : %1. Tu feras mieux la prochaine fois !</translation>
    </message>
    <message>
        <source>You got it!</source>
        <translation>Bravo, tu as trouvé !</translation>
    </message>
</context>
<context>
    <name>NameMeForm</name>
    <message>
        <source>quit</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Guess the word before the dragon can appear!</source>
        <translation>Trouve le mot avant que le dragon arrive !</translation>
    </message>
    <message>
        <source>The animal to name</source>
        <translation>L’animal à nommer</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>Dragon</translation>
    </message>
    <message>
        <source>missed</source>
        <translation>raté</translation>
    </message>
    <message>
        <source>in the word</source>
        <translation>dans le mot</translation>
    </message>
</context>
<context>
    <name>OddOneOut</name>
    <message>
        <source>Click on the image that does NOT fit the pattern</source>
        <translation>Clique sur l’image qui ne va PAS avec les autres.</translation>
    </message>
</context>
<context>
    <name>OddOneOutForm</name>
    <message>
        <source>Odd One Out</source>
        <translation>L’intrus</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Passer</translation>
    </message>
    <message>
        <source>Click here when you are ready to proceed</source>
        <translation>Clique ici quand tu es prêt</translation>
    </message>
</context>
<context>
    <name>PlayerFlag</name>
    <message>
        <source>The choice to read aloud could not be kept in %1. It holds until the game ends.</source>
        <translation>Le choix « Lire à voix haute » n’a pas pu être gardé dans %1. Il vaut jusqu’à la fin du jeu.</translation>
    </message>
    <message>
        <source>The choice to fill the screen could not be kept in %1. It holds until the game ends.</source>
        <translation>Le choix « Plein écran » n’a pas pu être gardé dans %1. Il vaut jusqu’à la fin du jeu.</translation>
    </message>
    <message>
        <source>The choice to play sounds could not be kept in %1. It holds until the game ends.</source>
        <translation>Le choix « Sons » n’a pas pu être gardé dans %1. Il vaut jusqu’à la fin du jeu.</translation>
    </message>
</context>
<context>
    <name>Players</name>
    <message>
        <source>Who is playing?</source>
        <translation>Qui joue ?</translation>
    </message>
    <message>
        <source>Practise missed animals</source>
        <translation>Revoir les ratés</translation>
    </message>
    <message>
        <source>The animals missed lately come back first</source>
        <translation>Les animaux ratés ces derniers temps reviennent en premier</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Joueurs</translation>
    </message>
    <message>
        <source>Who plays here: add, rename or remove a player</source>
        <translation>Qui joue ici : ajouter, renommer ou retirer un joueur</translation>
    </message>
    <message>
        <source>Players need the history of answers, which cannot be kept here</source>
        <translation>Les joueurs ont besoin de l’historique des réponses, qui ne peut pas être gardé ici</translation>
    </message>
</context>
<context>
    <name>PlayersForm</name>
    <message>
        <source>Players</source>
        <translation>Joueurs</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>A new player with this name and picture</source>
        <translation>Un nouveau joueur avec ce nom et cette image</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Gives the chosen player this name and picture</source>
        <translation>Donne ce nom et cette image au joueur choisi</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Joueur %1</translation>
    </message>
    <message>
        <source>Remove a player</source>
        <translation>Retirer un joueur</translation>
    </message>
    <message>
        <source>Remove %1 and everything %1 has answered?</source>
        <translation>Retirer %1 et tout ce que %1 a répondu ?</translation>
    </message>
</context>
<context>
    <name>QtVoice</name>
    <message>
        <source>The speech engine stopped working (%1).</source>
        <translation>La synthèse vocale s’est arrêtée (%1).</translation>
    </message>
    <message>
        <source>The speech engine could not start (%1).</source>
        <translation>La synthèse vocale n’a pas pu démarrer (%1).</translation>
    </message>
    <message>
        <source>The speech engine has no voice installed.</source>
        <translation>Aucune voix n’est installée pour la synthèse vocale.</translation>
    </message>
    <message>
        <source>No speech engine is installed on this computer.</source>
        <translation>Aucune synthèse vocale n’est installée sur cet ordinateur.</translation>
    </message>
</context>
<context>
    <name>QuestionType</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Name me!</source>
        <translation>Devine mon nom !</translation>
    </message>
    <message>
        <source>Match animals by name</source>
        <translation>Associer les noms aux animaux</translation>
    </message>
    <message>
        <source>Pick class, family</source>
        <translation>Choisir classe et famille</translation>
    </message>
    <message>
        <source>Pick class, eater type</source>
        <translation>Choisir classe et nourriture</translation>
    </message>
    <message>
        <source>Pick biomes</source>
        <translation>Choisir les milieux</translation>
    </message>
    <message>
        <source>Odd one out -- class</source>
        <translation>L’intrus -- classe</translation>
    </message>
    <message>
        <source>Odd one out -- family</source>
        <translation>L’intrus -- famille</translation>
    </message>
    <message>
        <source>Odd one out -- eater type</source>
        <translation>L’intrus -- nourriture</translation>
    </message>
    <message>
        <source>Odd one out -- biome</source>
        <translation>L’intrus -- milieu</translation>
    </message>
</context>
<context>
    <name>Score</name>
    <message>
        <source>Current score: %1 of %2  (%3%)</source>
        <translation>Score : %1 sur %2  (%3 %)</translation>
    </message>
    <message>
        <source>You scored %1 out of %2 (%3%)</source>
        <translation>Tu as %1 points sur %2 (%3 %)</translation>
    </message>
</context>
<context>
    <name>ScoreBoard</name>
    <message>
        <source>Quizmoot Scores</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Click here when  ready to proceed</source>
        <translation>Clique ici quand tu es prêt</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>The settings in %1 cannot be read: </source>
        <translation>Les réglages de %1 ne peuvent pas être lus : </translation>
    </message>
    <message>
        <source>The game starts with its default settings.</source>
        <translation>Le jeu démarre avec les réglages de départ.</translation>
    </message>
    <message>
        <source>The file is kept as %1.</source>
        <translation>Le fichier est gardé sous le nom %1.</translation>
    </message>
    <message>
        <source>It could not be kept aside: %1.</source>
        <translation>Il n’a pas pu être mis de côté : %1.</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: %2</source>
        <translation>Les réglages n’ont pas pu être enregistrés dans %1 : %2</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>As the desktop</source>
        <translation>Comme l’ordinateur</translation>
    </message>
    <message>
        <source>The language could not be kept in your settings. It holds until the game ends.</source>
        <translation>La langue n’a pas pu être gardée dans tes réglages. Elle vaut jusqu’à la fin du jeu.</translation>
    </message>
    <message>
        <source>Will create question file for online games</source>
        <translation>Les questions pour les jeux en ligne vont être créées.</translation>
    </message>
</context>
<context>
    <name>SetupForm</name>
    <message>
        <source>Number of questions per game</source>
        <translation>Questions par partie</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Animaux</translation>
    </message>
    <message>
        <source>Change item data</source>
        <translation>Modifier les animaux</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Click here to continue</source>
        <translation>Clique ici pour continuer</translation>
    </message>
    <message>
        <source>Make online questions</source>
        <translation>Questions en ligne</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Difficulté</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Plus facile</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Plus difficile</translation>
    </message>
    <message>
        <source>Colored items are selected</source>
        <translation>Les lignes en couleur sont choisies</translation>
    </message>
    <message>
        <source>Kinds of question</source>
        <translation>Sortes de questions</translation>
    </message>
    <message>
        <source> The game cannot read aloud.</source>
        <translation> Le jeu ne peut pas lire à voix haute.</translation>
    </message>
    <message>
        <source>Reads the questions, the answers and the score aloud. %1 switches it on every screen.</source>
        <translation>Lit à voix haute les questions, les réponses et le score. %1 l’active ou l’arrête sur chaque écran.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>%1 Setup</source>
        <translation>%1 – Réglages</translation>
    </message>
    <message>
        <source>Plays a short sound after every answer and a cheer at the end of a game.</source>
        <translation>Joue un petit son après chaque réponse et des applaudissements à la fin de la partie.</translation>
    </message>
</context>
<context>
    <name>Sounds</name>
    <message>
        <source>Sounds</source>
        <translation>Sons</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>Read aloud</source>
        <translation>Lire à voix haute</translation>
    </message>
    <message>
        <source>This copy of the game was built without speech.</source>
        <translation>Ce jeu a été construit sans voix.</translation>
    </message>
</context>
<context>
    <name>TextWindow</name>
    <message>
        <source>%1 could not be opened: %2</source>
        <translation>%1 n’a pas pu être ouvert : %2</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>UpDown</name>
    <message>
        <source>Up</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Moins</translation>
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
        <translation>Choisis ce qui décrit cet animal</translation>
    </message>
    <message>
        <source>Pick the places where this creature lives</source>
        <translation>Choisis où vit cet animal</translation>
    </message>
    <message>
        <source>Click on the animal that does NOT live in %1 </source>
        <translation>Clique sur l’animal qui ne vit PAS %1.</translation>
    </message>
    <message>
        <source>Click on animal that is NOT a %1</source>
        <translation>Clique sur l’animal qui n’est PAS %1.</translation>
    </message>
    <message>
        <source>Correct -- %1 is not %2 </source>
        <comment>does not live in</comment>
        <translation>Bravo ! %1 ne vit pas %2.</translation>
    </message>
    <message>
        <source>No, %1 is not %2 </source>
        <comment>does not live in</comment>
        <translation>Non ! %1 ne vit pas %2.</translation>
    </message>
    <message>
        <source>Correct -- %1 is not %2</source>
        <translation>Bravo ! %1 n’est pas %2.</translation>
    </message>
    <message>
        <source>No, %1 is not %2</source>
        <translation>Non ! %1 n’est pas %2.</translation>
    </message>
    <message>
        <source>Results for %1</source>
        <translation>Résultat : %1</translation>
    </message>
</context>
</TS>
