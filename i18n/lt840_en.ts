<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="fr_FR">
<context>
    <name>BoardLink</name>
    <message>
        <source>PORT de communication non disponible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERREUR :%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DEFAUT DE DIALOGUE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Vérifiez le cordon</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BoardSession</name>
    <message>
        <source> Carte    </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BoardTestWindow</name>
    <message>
        <source>Réponse de la carte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ClientArea</name>
    <message>
        <source>Enregistrement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programmation</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ColourQuestion</name>
    <message>
        <source>Cette fonction n&apos;est disponible que sur le logiciel. Êtes-vous sûr de vouloir continuer?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>affiche l&apos;identification de la carte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>programme la séquence, puis réinitialise la carte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>réinitialise la carte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vérifie le fichier, affiche le nombre d&apos;enregistrements et la durée d&apos;un tour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Affiche cette aide.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Affiche la version.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le port série de la carte (/dev/ttyUSB0, COM7).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PÉRIPHÉRIQUE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La base de temps : 0.01 (par défaut), 0.02, 0.05, 0.1 … 0.4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PÉRIODE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Montre chaque échange avec la carte sur la sortie d&apos;erreur.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>écrit la séquence d&apos;un effet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EFFET -o FICHIER.dat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lt840-cli --help en dit plus.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aucune commande</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 ne s&apos;applique qu&apos;à generate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>commande inconnue : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 attend un fichier .dat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 n&apos;attend pas de fichier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aucun port : donnez --port PÉRIPHÉRIQUE, ou LT840_PORT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>base de temps inconnue : %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandRunner</name>
    <message>
        <source>la réponse ne porte pas l&apos;identification d&apos;une carte LT840 : «%1»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la séquence est vide, rien à programmer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>seuls les enregistrements 0 à %1 tiennent dans la carte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 enregistrements programmés, base %2, carte %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>carte %1 réinitialisée</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 : %2 enregistrements, un tour dure %3 s à la base %4</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConsoleOutput</name>
    <message>
        <source>bloc %1/%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>«»</source>
        <extracomment>The name of a file given as an empty argument.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> : </source>
        <extracomment>Between a file&apos;s name and what is said about it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EffectCommand</name>
    <message>
        <source>un bloc de --width lampes parcourt la rangée</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>un bloc de --width lampes va et vient</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>une barre se remplit puis se vide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lampes impaires, puis paires</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>toutes allumées, puis toutes éteintes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>des deux bouts vers le milieu, et retour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>compte en binaire de --from à --to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--lamps lampes au hasard sur --frames trames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>répète les enregistrements --from à --to des --source mis bout à bout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>chase (1 à 7), scanner (1 à 4) : lampes du bloc ; 1 par défaut.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>chase, scanner, fill, counter : de droite à gauche.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>chase : le bloc sort de la rangée au lieu d&apos;en faire le tour.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>counter : première valeur (0 par défaut) ; repeat : premier enregistrement.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>counter : dernière valeur (127 par défaut) ; repeat : dernier enregistrement.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sparkle : lampes allumées par trame (1 à 7, 2 par défaut).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sparkle : trames (1 à 251, 16 par défaut).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sparkle : la même graine donne les mêmes trames (1 par défaut).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Répète l&apos;effet N fois (1 par défaut).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La durée de chaque trame : x1 (par défaut), x2, x5, x10, x15 ou x20.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>repeat : une séquence dont les enregistrements sont répétés ; plusieurs --source se suivent dans leur ordre.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FICHIER.dat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le fichier que generate écrit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 : x1, x2, x5, x10, x15 ou x20</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 : un nombre de %2 à %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ne s&apos;applique pas à %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>repeat attend --source FICHIER.dat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--source ne s&apos;applique qu&apos;à repeat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 : pas une séquence, ou vide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--from et --to : des enregistrements de 0 à %1, dans l&apos;ordre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>generate attend un effet (chase, scanner …)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>effet inconnu : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>generate attend -o FICHIER.dat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>l&apos;effet fait %1 enregistrements, la carte n&apos;en tient que %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 : impossible d&apos;écrire le fichier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 : %2 enregistrements</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EffectsDialog</name>
    <message>
        <source>Chenillard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balayage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remplir puis vider</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alternance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clignotement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rencontre au centre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compteur binaire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scintillement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Répéter Départ..En cours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Largeur :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De &amp;droite à gauche</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Faire le &amp;tour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De la &amp;valeur :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>À la va&amp;leur :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lampes a&amp;llumées :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Trames :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Graine :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Répétitions :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D&amp;urée :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aucune trame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 trame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 trames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lir&amp;e</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Insérer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;mplacer Départ..En cours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Effets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aperçu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arr&amp;êter</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source> Attention!!!    Désirez-vous effacer les données non enregistrées?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Attention!!! Désirez-vous effacer les données non enregistrées?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voulez-vous sauvegarder avant de quitter?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fichier non disponible ! </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dezudoziru</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tous les fichiers (*.dat)|*.dat|Fichiers texte(*.txt)|*.txt|Tous les Fichiers (*.*)|*.*|</source>
        <extracomment>Pairs of a label and its pattern, each followed by a bar.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vous n&apos;avez ouvert aucun fichier.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fichier non compatible.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Votre fichier n&apos;a pas été sauvegardé.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Sauvegarde effectuée </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>commande</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>identify, program, reset, check ou generate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fichier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La séquence (.dat) de program et check.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>effet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&apos;effet que generate écrit (voir plus haut).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>usage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fichier absent ou non compatible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>port non disponible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la carte n&apos;a pas répondu (défaut de dialogue)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> FICHIER.dat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> --port PÉRIPHÉRIQUE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> :
</source>
        <extracomment>After a heading of the help, before its lines.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Utilisation : lt840-cli [options] commande [FICHIER.dat | EFFET]
Programme une carte chenillard LT840 par sa liaison série, sans fenêtre.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Commandes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sans --port : la variable LT840_PORT, sinon le port choisi en dernier dans la fenêtre.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options de generate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Effets de generate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arguments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Codes de sortie</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Aide de LT840</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guide de l&apos;utilisateur</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LampGrid</name>
    <message>
        <source>LED %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>allumée</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>éteinte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LED</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LinkJournal</name>
    <message>
        <source>Journal de la liaison</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LinkTrace</name>
    <message>
        <source>octet </source>
        <extracomment>As wide as the plural, so that the bytes that follow stay in one column.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>octets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> : pas de réponse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> : </source>
        <extracomment>Between an exchange&apos;s name and what went wrong with it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ouverture de %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ne s&apos;ouvre pas (erreur %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fermeture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> : pas de réponse, second envoi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 : erreur d&apos;écriture %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>écartés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>identification</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>resynchronisation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P (bloc %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bloc de fin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bloc %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Barre d&apos;outils</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Oui</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OptionsPanel</name>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode Auto.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CARTE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset Carte</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Overview</name>
    <message>
        <source>Vue d&apos;ensemble</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cliquer : afficher l&apos;enregistrement ; Maj+clic : « Départ » ; clic droit : enregistrer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PortChoice</name>
    <message>
        <source>: n&apos;est pas disponible. Changez dans la propriété Option pour un autre port.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PortList</name>
    <message>
        <source> — absent</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PortMenu</name>
    <message>
        <source>Port série</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecentFilesMenu</name>
    <message>
        <source>Le fichier « %1 » n&apos;existe plus : il est retiré de la liste des fichiers récents.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SequenceEditor</name>
    <message>
        <source> (dernière adresse : %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place insuffisante : la séquence est pleine, elle ne peut plus recevoir aucun enregistrement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place insuffisante : %1 enregistrements à insérer, la séquence ne peut plus en recevoir que %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le presse-papiers ne contient pas d&apos;enregistrements : il faut une ligne de 9 chiffres par enregistrement.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SequencePanel</name>
    <message>
        <source>Séquence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Départ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adresse de début de la séquence.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>En cours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Numéro d&apos;enregistrement en cours </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Nombre d&apos;enregistrement effectué </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Supp.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suppression d&apos;une adresse.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Enregistre la séquence actuelle (raccourci bouton droit de la souris) </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Visualisation de l&apos;enregistrement précédent </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SimulatorPanel</name>
    <message>
        <source>PLAY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visualise la séquence.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STOP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrête l&apos;animation de la séquence.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simulateur</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>aucun périphérique</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enregistrements : %1 / %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Durée d&apos;un tour : %1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modifié</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TimeBasePanel</name>
    <message>
        <source>Base de temps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Période de base</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Période par trame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sélection de la base de temps.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Titles</name>
    <message>
        <source>* LT840 *</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* LT840  V1.02 *</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> * LT840 V1.02 *</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LT840</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TEST CARTE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FICHIER = </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TransformPanel</name>
    <message>
        <source>Transformations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symétrie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Permet la symétrie gauche </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Permet la symétrie droite </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Déplacement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permet le deplacement de la matrice vers la gauche.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permet le deplacement de la matrice vers la droite.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Permet le défilement de la matrice vers la gauche </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Permet le défilement de la matrice vers la droite </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inverse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inverse la couleur des LED.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Efface la trame en cours.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WindowCommands</name>
    <message>
        <source>La langue choisie s&apos;affichera au prochain démarrage de LT840.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LT840 V%1

Éditeur et programmateur de séquences lumineuses pour la carte chenillard LT840 à 8 lampes.

Licence : GNU GPL version 3 ou ultérieure
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WindowMenus</name>
    <message>
        <source>&amp;Nouveau</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ouvrir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sauvegarder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Annuler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rétablir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co&amp;uper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;oller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Insérer un enregistrement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Dupliquer l&apos;enregistrement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Effets…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Jaune</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rouge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Vert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;TestCarte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Programmation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Aide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>À &amp;propos de LT840</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fichier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Édition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Transfert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xemples</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Port série</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Couleur LED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Journal de la liaison</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Langue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selon le bureau</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Éditeur et programmateur de la carte LT840</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fichier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Séquence (.dat) à ouvrir au démarrage.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[fichier]</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
