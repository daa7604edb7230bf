<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="fr_FR">
<context>
    <name>BoardLink</name>
    <message>
        <source>PORT de communication non disponible</source>
        <translation>Communication port not available</translation>
    </message>
    <message>
        <source>ERREUR :%1</source>
        <translation>ERROR: %1</translation>
    </message>
    <message>
        <source>DEFAUT DE DIALOGUE</source>
        <translation>COMMUNICATION FAULT</translation>
    </message>
    <message>
        <source> Vérifiez le cordon</source>
        <translation> Check the cable</translation>
    </message>
</context>
<context>
    <name>BoardSession</name>
    <message>
        <source> Carte    </source>
        <translation> Board    </translation>
    </message>
    <message>
        <source>Programmation interrompue : la carte ne contient qu&apos;une partie de la séquence.</source>
        <translation>Programming interrupted: the board holds only part of the sequence.</translation>
    </message>
</context>
<context>
    <name>BoardTestWindow</name>
    <message>
        <source>Réponse de la carte</source>
        <translation>Board&apos;s reply</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ClientArea</name>
    <message>
        <source>Enregistrement</source>
        <translation>Record</translation>
    </message>
</context>
<context>
    <name>ColourQuestion</name>
    <message>
        <source>Cette fonction n&apos;est disponible que sur le logiciel. Êtes-vous sûr de vouloir continuer?</source>
        <translation>This feature is only available in the software. Are you sure you want to continue?</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>affiche l&apos;identification de la carte</source>
        <translation>shows the board&apos;s identification</translation>
    </message>
    <message>
        <source>programme la séquence, puis réinitialise la carte</source>
        <translation>programs the sequence, then resets the board</translation>
    </message>
    <message>
        <source>réinitialise la carte</source>
        <translation>resets the board</translation>
    </message>
    <message>
        <source>vérifie le fichier, affiche le nombre d&apos;enregistrements et la durée d&apos;un tour</source>
        <translation>checks the file, shows its number of records and its loop time</translation>
    </message>
    <message>
        <source>Affiche cette aide.</source>
        <translation>Shows this help.</translation>
    </message>
    <message>
        <source>Affiche la version.</source>
        <translation>Shows the version.</translation>
    </message>
    <message>
        <source>PÉRIPHÉRIQUE</source>
        <translation>DEVICE</translation>
    </message>
    <message>
        <source>La base de temps : 0.01 (par défaut), 0.02, 0.05, 0.1 … 0.4.</source>
        <translation>The time base: 0.01 (default), 0.02, 0.05, 0.1 … 0.4.</translation>
    </message>
    <message>
        <source>PÉRIODE</source>
        <translation>PERIOD</translation>
    </message>
    <message>
        <source>Montre chaque échange avec la carte sur la sortie d&apos;erreur.</source>
        <translation>Shows every exchange with the board on standard error.</translation>
    </message>
    <message>
        <source>écrit la séquence d&apos;un effet</source>
        <translation>writes the sequence of an effect</translation>
    </message>
    <message>
        <source>EFFET -o FICHIER.dat</source>
        <translation>EFFECT -o FILE.dat</translation>
    </message>
    <message>
        <source>lt840-cli --help en dit plus.</source>
        <translation>See lt840-cli --help for more.</translation>
    </message>
    <message>
        <source>aucune commande</source>
        <translation>no command</translation>
    </message>
    <message>
        <source>--%1 ne s&apos;applique qu&apos;à generate</source>
        <translation>--%1 applies only to generate</translation>
    </message>
    <message>
        <source>commande inconnue : %1</source>
        <translation>unknown command: %1</translation>
    </message>
    <message>
        <source>%1 attend un fichier .dat</source>
        <translation>%1 expects a .dat file</translation>
    </message>
    <message>
        <source>%1 n&apos;attend pas de fichier</source>
        <translation>%1 takes no file</translation>
    </message>
    <message>
        <source>aucun port : donnez --port PÉRIPHÉRIQUE, ou LT840_PORT</source>
        <translation>no port: give --port DEVICE, or set LT840_PORT</translation>
    </message>
    <message>
        <source>base de temps inconnue : %1</source>
        <translation>unknown time base: %1</translation>
    </message>
    <message>
        <source>Le port série de la carte (/dev/ttyUSB0, COM7) ; program en prend plusieurs, une carte par port.</source>
        <translation>The board&apos;s serial port (/dev/ttyUSB0, COM7); program takes several, one board per port.</translation>
    </message>
    <message>
        <source>program : toutes les cartes, une par adaptateur série que le système signale.</source>
        <translation>program: every board, one per serial adapter the system reports.</translation>
    </message>
    <message>
        <source>seul program prend plusieurs ports ou --all</source>
        <translation>only program takes several ports or --all</translation>
    </message>
    <message>
        <source>--all ou --port, pas les deux</source>
        <translation>--all or --port, not both</translation>
    </message>
    <message>
        <source>--trace ne suit qu&apos;une carte : un seul --port</source>
        <translation>--trace follows one board only: a single --port</translation>
    </message>
    <message>
        <source>un --port est vide</source>
        <translation>a --port is empty</translation>
    </message>
    <message>
        <source>le port %1 est donné deux fois</source>
        <translation>port %1 is given twice</translation>
    </message>
</context>
<context>
    <name>CommandRunner</name>
    <message>
        <source>la réponse ne porte pas l&apos;identification d&apos;une carte LT840 : «%1»</source>
        <translation>the reply does not carry an LT840 board&apos;s identification: “%1”</translation>
    </message>
    <message>
        <source>la séquence est vide, rien à programmer</source>
        <translation>the sequence is empty, nothing to program</translation>
    </message>
    <message>
        <source>seuls les enregistrements 0 à %1 tiennent dans la carte</source>
        <translation>only records 0 to %1 fit in the board</translation>
    </message>
    <message>
        <source>%1 enregistrements programmés, base %2, carte %3</source>
        <translation>%1 records programmed, time base %2, board %3</translation>
    </message>
    <message>
        <source>carte %1 réinitialisée</source>
        <translation>board %1 reset</translation>
    </message>
    <message>
        <source>%1 : %2 enregistrements, un tour dure %3 s à la base %4</source>
        <translation>%1: %2 records, one loop takes %3 s at time base %4</translation>
    </message>
    <message>
        <source>Programmation interrompue avant son début : la carte garde sa séquence.</source>
        <translation>Programming interrupted before it began: the board keeps its sequence.</translation>
    </message>
    <message>
        <source>aucun adaptateur série trouvé : branchez les cartes, ou donnez --port</source>
        <translation>no serial adapter found: plug the boards in, or give --port</translation>
    </message>
</context>
<context>
    <name>ConsoleOutput</name>
    <message>
        <source>bloc %1/%2</source>
        <translation>block %1/%2</translation>
    </message>
    <message>
        <source>«»</source>
        <extracomment>The name of a file given as an empty argument.</extracomment>
        <translation>“”</translation>
    </message>
    <message>
        <source> : </source>
        <extracomment>Between a file&apos;s or a port&apos;s name and what is said about it.</extracomment>
        <translation>: </translation>
    </message>
    <message>
        <source>blocs : %1</source>
        <translation>blocks: %1</translation>
    </message>
</context>
<context>
    <name>EffectCommand</name>
    <message>
        <source>un bloc de --width lampes parcourt la rangée</source>
        <translation>a block of --width lamps runs along the row</translation>
    </message>
    <message>
        <source>un bloc de --width lampes va et vient</source>
        <translation>a block of --width lamps sweeps back and forth</translation>
    </message>
    <message>
        <source>une barre se remplit puis se vide</source>
        <translation>a bar fills up, then empties</translation>
    </message>
    <message>
        <source>lampes impaires, puis paires</source>
        <translation>odd lamps, then even ones</translation>
    </message>
    <message>
        <source>toutes allumées, puis toutes éteintes</source>
        <translation>all on, then all off</translation>
    </message>
    <message>
        <source>des deux bouts vers le milieu, et retour</source>
        <translation>from both ends to the middle, and back</translation>
    </message>
    <message>
        <source>compte en binaire de --from à --to</source>
        <translation>counts in binary from --from to --to</translation>
    </message>
    <message>
        <source>--lamps lampes au hasard sur --frames trames</source>
        <translation>--lamps random lamps over --frames frames</translation>
    </message>
    <message>
        <source>répète les enregistrements --from à --to des --source mis bout à bout</source>
        <translation>repeats records --from to --to of the --source files, end to end</translation>
    </message>
    <message>
        <source>chase (1 à 7), scanner (1 à 4) : lampes du bloc ; 1 par défaut.</source>
        <translation>chase (1 to 7), scanner (1 to 4): lamps in the block; 1 by default.</translation>
    </message>
    <message>
        <source>chase, scanner, fill, counter : de droite à gauche.</source>
        <translation>chase, scanner, fill, counter: from right to left.</translation>
    </message>
    <message>
        <source>chase : le bloc sort de la rangée au lieu d&apos;en faire le tour.</source>
        <translation>chase: the block leaves the row instead of wrapping.</translation>
    </message>
    <message>
        <source>counter : première valeur (0 par défaut) ; repeat : premier enregistrement.</source>
        <translation>counter: first value (0 by default); repeat: first record.</translation>
    </message>
    <message>
        <source>counter : dernière valeur (127 par défaut) ; repeat : dernier enregistrement.</source>
        <translation>counter: last value (127 by default); repeat: last record.</translation>
    </message>
    <message>
        <source>sparkle : lampes allumées par trame (1 à 7, 2 par défaut).</source>
        <translation>sparkle: lamps lit per frame (1 to 7, 2 by default).</translation>
    </message>
    <message>
        <source>sparkle : trames (1 à 251, 16 par défaut).</source>
        <translation>sparkle: frames (1 to 251, 16 by default).</translation>
    </message>
    <message>
        <source>sparkle : la même graine donne les mêmes trames (1 par défaut).</source>
        <translation>sparkle: same seed, same frames (1 by default).</translation>
    </message>
    <message>
        <source>Répète l&apos;effet N fois (1 par défaut).</source>
        <translation>Repeats the effect N times (1 by default).</translation>
    </message>
    <message>
        <source>La durée de chaque trame : x1 (par défaut), x2, x5, x10, x15 ou x20.</source>
        <translation>The duration of each frame: x1 (default), x2, x5, x10, x15 or x20.</translation>
    </message>
    <message>
        <source>repeat : une séquence dont les enregistrements sont répétés ; plusieurs --source se suivent dans leur ordre.</source>
        <translation>repeat: a sequence whose records are repeated; several --source follow one another in their order.</translation>
    </message>
    <message>
        <source>FICHIER.dat</source>
        <translation>FILE.dat</translation>
    </message>
    <message>
        <source>Le fichier que generate écrit.</source>
        <translation>The file that generate writes.</translation>
    </message>
    <message>
        <source>%1 : x1, x2, x5, x10, x15 ou x20</source>
        <translation>%1: x1, x2, x5, x10, x15 or x20</translation>
    </message>
    <message>
        <source>%1 : un nombre de %2 à %3</source>
        <translation>%1: a number from %2 to %3</translation>
    </message>
    <message>
        <source>%1 ne s&apos;applique pas à %2</source>
        <translation>%1 does not apply to %2</translation>
    </message>
    <message>
        <source>repeat attend --source FICHIER.dat</source>
        <translation>repeat expects --source FILE.dat</translation>
    </message>
    <message>
        <source>--source ne s&apos;applique qu&apos;à repeat</source>
        <translation>--source applies only to repeat</translation>
    </message>
    <message>
        <source>%1 : pas une séquence, ou vide</source>
        <translation>%1: not a sequence, or empty</translation>
    </message>
    <message>
        <source>--from et --to : des enregistrements de 0 à %1, dans l&apos;ordre</source>
        <translation>--from and --to: records from 0 to %1, in order</translation>
    </message>
    <message>
        <source>generate attend un effet (chase, scanner …)</source>
        <translation>generate expects an effect (chase, scanner …)</translation>
    </message>
    <message>
        <source>effet inconnu : %1</source>
        <translation>unknown effect: %1</translation>
    </message>
    <message>
        <source>generate attend -o FICHIER.dat</source>
        <translation>generate expects -o FILE.dat</translation>
    </message>
    <message>
        <source>l&apos;effet fait %1 enregistrements, la carte n&apos;en tient que %2</source>
        <translation>the effect makes %1 records, the board holds only %2</translation>
    </message>
    <message>
        <source>%1 : impossible d&apos;écrire le fichier</source>
        <translation>%1: cannot write the file</translation>
    </message>
    <message>
        <source>%1 : %2 enregistrements</source>
        <translation>%1: %2 records</translation>
    </message>
</context>
<context>
    <name>EffectsDialog</name>
    <message>
        <source>Chenillard</source>
        <translation>Chaser</translation>
    </message>
    <message>
        <source>Balayage</source>
        <translation>Sweep</translation>
    </message>
    <message>
        <source>Remplir puis vider</source>
        <translation>Fill, then empty</translation>
    </message>
    <message>
        <source>Alternance</source>
        <translation>Alternation</translation>
    </message>
    <message>
        <source>Clignotement</source>
        <translation>Blinking</translation>
    </message>
    <message>
        <source>Rencontre au centre</source>
        <translation>Meeting in the middle</translation>
    </message>
    <message>
        <source>Compteur binaire</source>
        <translation>Binary counter</translation>
    </message>
    <message>
        <source>Scintillement</source>
        <translation>Twinkling</translation>
    </message>
    <message>
        <source>Répéter Départ..En cours</source>
        <translation>Repeat Start..Current</translation>
    </message>
    <message>
        <source>&amp;Largeur :</source>
        <translation>&amp;Width:</translation>
    </message>
    <message>
        <source>De &amp;droite à gauche</source>
        <translation>&amp;Right to left</translation>
    </message>
    <message>
        <source>Faire le &amp;tour</source>
        <translation>Wrap &amp;around</translation>
    </message>
    <message>
        <source>De la &amp;valeur :</source>
        <translation>&amp;From value:</translation>
    </message>
    <message>
        <source>À la va&amp;leur :</source>
        <translation>&amp;To value:</translation>
    </message>
    <message>
        <source>Lampes a&amp;llumées :</source>
        <translation>&amp;Lamps lit:</translation>
    </message>
    <message>
        <source>&amp;Trames :</source>
        <translation>Fra&amp;mes:</translation>
    </message>
    <message>
        <source>&amp;Graine :</source>
        <translation>&amp;Seed:</translation>
    </message>
    <message>
        <source>&amp;Répétitions :</source>
        <translation>R&amp;epeats:</translation>
    </message>
    <message>
        <source>D&amp;urée :</source>
        <translation>&amp;Duration:</translation>
    </message>
    <message>
        <source>Aucune trame</source>
        <translation>No frames</translation>
    </message>
    <message>
        <source>1 trame</source>
        <translation>1 frame</translation>
    </message>
    <message>
        <source>%1 trames</source>
        <translation>%1 frames</translation>
    </message>
    <message>
        <source>Lir&amp;e</source>
        <translation>Pla&amp;y</translation>
    </message>
    <message>
        <source>&amp;Insérer</source>
        <translation>&amp;Insert</translation>
    </message>
    <message>
        <source>Re&amp;mplacer Départ..En cours</source>
        <translation>Re&amp;place Start..Current</translation>
    </message>
    <message>
        <source>Effets</source>
        <translation>Effects</translation>
    </message>
    <message>
        <source>Aperçu</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>Arr&amp;êter</source>
        <translation>St&amp;op</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source> Attention!!!    Désirez-vous effacer les données non enregistrées?</source>
        <translation> Warning!!!    Do you want to discard the unsaved data?</translation>
    </message>
    <message>
        <source> Attention!!! Désirez-vous effacer les données non enregistrées?</source>
        <translation> Warning!!! Do you want to discard the unsaved data?</translation>
    </message>
    <message>
        <source>Voulez-vous sauvegarder avant de quitter?</source>
        <translation>Do you want to save before quitting?</translation>
    </message>
    <message>
        <source>Fichier non disponible ! </source>
        <translation>File not available! </translation>
    </message>
    <message>
        <source>Dezudoziru</source>
        <translation>Dezudoziru</translation>
    </message>
    <message>
        <source>Tous les fichiers (*.dat)|*.dat|Fichiers texte(*.txt)|*.txt|Tous les Fichiers (*.*)|*.*|</source>
        <extracomment>Pairs of a label and its pattern, each followed by a bar.</extracomment>
        <translation>Sequence files (*.dat)|*.dat|Text files (*.txt)|*.txt|All files (*.*)|*.*|</translation>
    </message>
    <message>
        <source>Vous n&apos;avez ouvert aucun fichier.</source>
        <translation>You have not opened any file.</translation>
    </message>
    <message>
        <source>Fichier non compatible.</source>
        <translation>Incompatible file.</translation>
    </message>
    <message>
        <source>Votre fichier n&apos;a pas été sauvegardé.</source>
        <translation>Your file has not been saved.</translation>
    </message>
    <message>
        <source> Sauvegarde effectuée </source>
        <translation> File saved </translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>commande</source>
        <translation>command</translation>
    </message>
    <message>
        <source>identify, program, reset, check ou generate.</source>
        <translation>identify, program, reset, check or generate.</translation>
    </message>
    <message>
        <source>fichier</source>
        <translation>file</translation>
    </message>
    <message>
        <source>La séquence (.dat) de program et check.</source>
        <translation>The sequence (.dat) for program and check.</translation>
    </message>
    <message>
        <source>effet</source>
        <translation>effect</translation>
    </message>
    <message>
        <source>L&apos;effet que generate écrit (voir plus haut).</source>
        <translation>The effect that generate writes (see above).</translation>
    </message>
    <message>
        <source>fait</source>
        <translation>done</translation>
    </message>
    <message>
        <source>usage</source>
        <translation>usage</translation>
    </message>
    <message>
        <source>fichier absent ou non compatible</source>
        <translation>file missing or incompatible</translation>
    </message>
    <message>
        <source>port non disponible</source>
        <translation>port not available</translation>
    </message>
    <message>
        <source>la carte n&apos;a pas répondu (défaut de dialogue)</source>
        <translation>the board did not answer (communication fault)</translation>
    </message>
    <message>
        <source> FICHIER.dat</source>
        <translation> FILE.dat</translation>
    </message>
    <message>
        <source> --port PÉRIPHÉRIQUE</source>
        <translation> --port DEVICE</translation>
    </message>
    <message>
        <source> :
</source>
        <extracomment>After a heading of the help, before its lines.</extracomment>
        <translation>:
</translation>
    </message>
    <message>
        <source>Utilisation : lt840-cli [options] commande [FICHIER.dat | EFFET]
Programme une carte chenillard LT840 par sa liaison série, sans fenêtre.
</source>
        <translation>Usage: lt840-cli [options] command [FILE.dat | EFFECT]
Programs an LT840 light-chaser board over its serial link, without a window.
</translation>
    </message>
    <message>
        <source>Commandes</source>
        <translation>Commands</translation>
    </message>
    <message>
        <source>Sans --port : la variable LT840_PORT, sinon le port choisi en dernier dans la fenêtre.</source>
        <translation>Without --port: LT840_PORT, else the port last chosen in the window.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Options de generate</source>
        <translation>Options for generate</translation>
    </message>
    <message>
        <source>Effets de generate</source>
        <translation>Effects for generate</translation>
    </message>
    <message>
        <source>Arguments</source>
        <translation>Arguments</translation>
    </message>
    <message>
        <source>Codes de sortie</source>
        <translation>Exit codes</translation>
    </message>
    <message>
        <source>programmation arrêtée par Ctrl+C</source>
        <translation>programming stopped by Ctrl+C</translation>
    </message>
    <message>
        <source>Avec plusieurs --port, ou --all, program programme les cartes ensemble et écrit une ligne par carte, « PORT : résultat », dans l&apos;ordre des ports ; le code de sortie est le plus grand des cartes. Ctrl+C arrête la programmation après le bloc en cours (code 5).</source>
        <translation>With several --port, or --all, program programs the boards together and writes one line per board, &quot;PORT: result&quot;, in the order of the ports; the exit status is the highest of the boards&apos;. Ctrl+C stops programming after the block under way (status 5).</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Aide de LT840</source>
        <translation>LT840 Help</translation>
    </message>
    <message>
        <source>Guide de l&apos;utilisateur</source>
        <translation>User&apos;s guide</translation>
    </message>
</context>
<context>
    <name>LampGrid</name>
    <message>
        <source>LED %1</source>
        <translation>LED %1</translation>
    </message>
    <message>
        <source>allumée</source>
        <translation>lit</translation>
    </message>
    <message>
        <source>éteinte</source>
        <translation>unlit</translation>
    </message>
    <message>
        <source>LED</source>
        <translation>LEDs</translation>
    </message>
</context>
<context>
    <name>LinkJournal</name>
    <message>
        <source>Journal de la liaison</source>
        <translation>Link log</translation>
    </message>
</context>
<context>
    <name>LinkTrace</name>
    <message>
        <source>octet </source>
        <extracomment>As wide as the plural, so that the bytes that follow stay in one column.</extracomment>
        <translation>byte </translation>
    </message>
    <message>
        <source>octets</source>
        <translation>bytes</translation>
    </message>
    <message>
        <source> : pas de réponse</source>
        <translation>: no reply</translation>
    </message>
    <message>
        <source> : </source>
        <extracomment>Between an exchange&apos;s name and what went wrong with it.</extracomment>
        <translation>: </translation>
    </message>
    <message>
        <source>ouverture de %1</source>
        <translation>opening %1</translation>
    </message>
    <message>
        <source>%1 ne s&apos;ouvre pas (erreur %2)</source>
        <translation>%1 does not open (error %2)</translation>
    </message>
    <message>
        <source>fermeture</source>
        <translation>closing</translation>
    </message>
    <message>
        <source> : pas de réponse, second envoi</source>
        <translation>: no reply, sending again</translation>
    </message>
    <message>
        <source>%1 : erreur d&apos;écriture %2</source>
        <translation>%1: write error %2</translation>
    </message>
    <message>
        <source>écartés</source>
        <translation>discarded</translation>
    </message>
    <message>
        <source>identification</source>
        <translation>identification</translation>
    </message>
    <message>
        <source>resynchronisation</source>
        <translation>resync</translation>
    </message>
    <message>
        <source>P (bloc %1)</source>
        <translation>P (block %1)</translation>
    </message>
    <message>
        <source>bloc de fin</source>
        <translation>end block</translation>
    </message>
    <message>
        <source>bloc %1</source>
        <translation>block %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Barre d&apos;outils</source>
        <translation>Toolbar</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Oui</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Non</source>
        <translation>No</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>MultiUploadDialog</name>
    <message>
        <source>Programmée (%1)</source>
        <translation>Programmed (%1)</translation>
    </message>
    <message>
        <source>Arrêtée avant la programmation</source>
        <translation>Stopped before programming</translation>
    </message>
    <message>
        <source>La carte ne répond pas</source>
        <translation>The board does not answer</translation>
    </message>
    <message>
        <source>&amp;Programmer</source>
        <translation>&amp;Program</translation>
    </message>
    <message>
        <source>&amp;Arrêter</source>
        <translation>&amp;Stop</translation>
    </message>
    <message>
        <source>Programmer plusieurs cartes</source>
        <translation>Program several boards</translation>
    </message>
    <message>
        <source>&amp;Fermer</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Cochez les cartes à programmer avec la séquence en cours :</source>
        <translation>Tick the boards to program with the current sequence:</translation>
    </message>
    <message>
        <source>Aucun adaptateur série n&apos;a été trouvé.</source>
        <translation>No serial adapter was found.</translation>
    </message>
    <message>
        <source>Identification…</source>
        <translation>Identification…</translation>
    </message>
    <message>
        <source>bloc %1/%2</source>
        <translation>block %1/%2</translation>
    </message>
    <message>
        <source>%1 carte programmée</source>
        <translation>%1 board programmed</translation>
    </message>
    <message>
        <source>%1 cartes programmées</source>
        <translation>%1 boards programmed</translation>
    </message>
    <message>
        <source>%1 en échec</source>
        <translation>%1 failed</translation>
    </message>
    <message>
        <source>%1 arrêtée</source>
        <translation>%1 stopped</translation>
    </message>
    <message>
        <source>%1 arrêtées</source>
        <translation>%1 stopped</translation>
    </message>
</context>
<context>
    <name>OptionsPanel</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Mode Auto.</source>
        <translation>Auto Mode</translation>
    </message>
    <message>
        <source>CARTE</source>
        <translation>BOARD</translation>
    </message>
    <message>
        <source>Reset Carte</source>
        <translation>Reset Board</translation>
    </message>
</context>
<context>
    <name>Overview</name>
    <message>
        <source>Vue d&apos;ensemble</source>
        <translation>Overview</translation>
    </message>
    <message>
        <source>Cliquer : afficher l&apos;enregistrement ; Maj+clic : « Départ » ; clic droit : enregistrer</source>
        <translation>Click: show the record; Shift+click: “Start”; right click: record</translation>
    </message>
</context>
<context>
    <name>PortChoice</name>
    <message>
        <source>: n&apos;est pas disponible. Changez dans la propriété Option pour un autre port.</source>
        <translation>: is not available. Choose another port in the Option menu.</translation>
    </message>
</context>
<context>
    <name>PortList</name>
    <message>
        <source> — absent</source>
        <translation> — missing</translation>
    </message>
</context>
<context>
    <name>PortMenu</name>
    <message>
        <source>Port série</source>
        <translation>Serial port</translation>
    </message>
</context>
<context>
    <name>RecentFilesMenu</name>
    <message>
        <source>Le fichier « %1 » n&apos;existe plus : il est retiré de la liste des fichiers récents.</source>
        <translation>The file “%1” no longer exists: it is removed from the list of recent files.</translation>
    </message>
</context>
<context>
    <name>SequenceEditor</name>
    <message>
        <source> (dernière adresse : %1).</source>
        <translation> (last address: %1).</translation>
    </message>
    <message>
        <source>Place insuffisante : la séquence est pleine, elle ne peut plus recevoir aucun enregistrement</source>
        <translation>Not enough room: the sequence is full, it cannot take any more records</translation>
    </message>
    <message>
        <source>Place insuffisante : %1 enregistrements à insérer, la séquence ne peut plus en recevoir que %2</source>
        <translation>Not enough room: %1 records to insert, the sequence can take only %2 more</translation>
    </message>
    <message>
        <source>Le presse-papiers ne contient pas d&apos;enregistrements : il faut une ligne de 9 chiffres par enregistrement.</source>
        <translation>The clipboard holds no records: each record takes a line of 9 digits.</translation>
    </message>
</context>
<context>
    <name>SequencePanel</name>
    <message>
        <source>Séquence</source>
        <translation>Sequence</translation>
    </message>
    <message>
        <source>Départ</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Adresse de début de la séquence.</source>
        <translation>Start address of the sequence.</translation>
    </message>
    <message>
        <source>En cours</source>
        <translation>Current</translation>
    </message>
    <message>
        <source>  Numéro d&apos;enregistrement en cours </source>
        <translation>  Number of the current record </translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source> Nombre d&apos;enregistrement effectué </source>
        <translation> Number of records made </translation>
    </message>
    <message>
        <source>Supp.</source>
        <translation>Del.</translation>
    </message>
    <message>
        <source>Suppression d&apos;une adresse.</source>
        <translation>Deletes an address.</translation>
    </message>
    <message>
        <source> Enregistre la séquence actuelle (raccourci bouton droit de la souris) </source>
        <translation> Records the current frame (shortcut: right mouse button) </translation>
    </message>
    <message>
        <source> Visualisation de l&apos;enregistrement précédent </source>
        <translation> Shows the previous record </translation>
    </message>
</context>
<context>
    <name>SimulatorPanel</name>
    <message>
        <source>PLAY</source>
        <translation>PLAY</translation>
    </message>
    <message>
        <source>Visualise la séquence.</source>
        <translation>Plays the sequence.</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>STOP</translation>
    </message>
    <message>
        <source>Arrête l&apos;animation de la séquence.</source>
        <translation>Stops playing the sequence.</translation>
    </message>
    <message>
        <source>Simulateur</source>
        <translation>Simulator</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>aucun périphérique</source>
        <translation>no device</translation>
    </message>
    <message>
        <source>Enregistrements : %1 / %2</source>
        <translation>Records: %1 / %2</translation>
    </message>
    <message>
        <source>Durée d&apos;un tour : %1 s</source>
        <translation>Loop time: %1 s</translation>
    </message>
    <message>
        <source>Port : </source>
        <translation>Port: </translation>
    </message>
    <message>
        <source>Modifié</source>
        <translation>Modified</translation>
    </message>
</context>
<context>
    <name>TimeBasePanel</name>
    <message>
        <source>Base de temps</source>
        <translation>Time base</translation>
    </message>
    <message>
        <source>Période de base</source>
        <translation>Base period</translation>
    </message>
    <message>
        <source>Période par trame</source>
        <translation>Frame period</translation>
    </message>
    <message>
        <source>Sélection de la base de temps.</source>
        <translation>Selects the time base.</translation>
    </message>
</context>
<context>
    <name>Titles</name>
    <message>
        <source>* LT840 *</source>
        <translation>* LT840 *</translation>
    </message>
    <message>
        <source>* LT840  V1.02 *</source>
        <translation>* LT840  V1.02 *</translation>
    </message>
    <message>
        <source> * LT840 V1.02 *</source>
        <translation> * LT840 V1.02 *</translation>
    </message>
    <message>
        <source>LT840</source>
        <translation>LT840</translation>
    </message>
    <message>
        <source>TEST CARTE</source>
        <translation>BOARD TEST</translation>
    </message>
    <message>
        <source>FICHIER = </source>
        <translation>FILE = </translation>
    </message>
</context>
<context>
    <name>TransformPanel</name>
    <message>
        <source>Transformations</source>
        <translation>Transformations</translation>
    </message>
    <message>
        <source>Symétrie</source>
        <translation>Mirror</translation>
    </message>
    <message>
        <source> Permet la symétrie gauche </source>
        <translation> Mirrors to the left </translation>
    </message>
    <message>
        <source> Permet la symétrie droite </source>
        <translation> Mirrors to the right </translation>
    </message>
    <message>
        <source>Déplacement</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Permet le deplacement de la matrice vers la gauche.</source>
        <translation>Shifts the pattern to the left.</translation>
    </message>
    <message>
        <source>Permet le deplacement de la matrice vers la droite.</source>
        <translation>Shifts the pattern to the right.</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>Rotate</translation>
    </message>
    <message>
        <source> Permet le défilement de la matrice vers la gauche </source>
        <translation> Rotates the pattern to the left </translation>
    </message>
    <message>
        <source> Permet le défilement de la matrice vers la droite </source>
        <translation> Rotates the pattern to the right </translation>
    </message>
    <message>
        <source>Inverse</source>
        <translation>Invert</translation>
    </message>
    <message>
        <source>Inverse la couleur des LED.</source>
        <translation>Inverts the state of the LEDs.</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>CLEAR</translation>
    </message>
    <message>
        <source>Efface la trame en cours.</source>
        <translation>Clears the current frame.</translation>
    </message>
</context>
<context>
    <name>UploadProgress</name>
    <message>
        <source>&amp;Arrêter</source>
        <translation>&amp;Stop</translation>
    </message>
    <message>
        <source>Programmation</source>
        <translation>Programming</translation>
    </message>
    <message>
        <source>Arrêter</source>
        <translation>Stop</translation>
    </message>
</context>
<context>
    <name>WindowCommands</name>
    <message>
        <source>La langue choisie s&apos;affichera au prochain démarrage de LT840.</source>
        <translation>The chosen language will show the next time LT840 starts.</translation>
    </message>
    <message>
        <source>LT840 V%1

Éditeur et programmateur de séquences lumineuses pour la carte chenillard LT840 à 8 lampes.

Licence : GNU GPL version 3 ou ultérieure
%2</source>
        <translation>LT840 V%1

Light sequence editor and programmer for the LT840 8-lamp light-chaser board.

License: GNU GPL version 3 or later
%2</translation>
    </message>
</context>
<context>
    <name>WindowMenus</name>
    <message>
        <source>&amp;Nouveau</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>&amp;Ouvrir</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>&amp;Sauvegarder</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>&amp;Annuler</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Rétablir</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>Co&amp;uper</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>&amp;Copier</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>C&amp;oller</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>&amp;Insérer un enregistrement</source>
        <translation>&amp;Insert a record</translation>
    </message>
    <message>
        <source>&amp;Dupliquer l&apos;enregistrement</source>
        <translation>&amp;Duplicate the record</translation>
    </message>
    <message>
        <source>&amp;Effets…</source>
        <translation>&amp;Effects…</translation>
    </message>
    <message>
        <source>&amp;Jaune</source>
        <translation>&amp;Yellow</translation>
    </message>
    <message>
        <source>&amp;Rouge</source>
        <translation>&amp;Red</translation>
    </message>
    <message>
        <source>&amp;Vert</source>
        <translation>&amp;Green</translation>
    </message>
    <message>
        <source>&amp;TestCarte</source>
        <translation>&amp;TestBoard</translation>
    </message>
    <message>
        <source>&amp;Programmation</source>
        <translation>&amp;Programming</translation>
    </message>
    <message>
        <source>&amp;Aide</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>À &amp;propos de LT840</source>
        <translation>&amp;About LT840</translation>
    </message>
    <message>
        <source>&amp;Fichier</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Édition</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Option</source>
        <translation>&amp;Option</translation>
    </message>
    <message>
        <source>&amp;Transfert</source>
        <translation>&amp;Transfer</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>E&amp;xemples</source>
        <translation>E&amp;xamples</translation>
    </message>
    <message>
        <source>&amp;Port série</source>
        <translation>&amp;Serial port</translation>
    </message>
    <message>
        <source>&amp;Couleur LED</source>
        <translation>LED &amp;color</translation>
    </message>
    <message>
        <source>&amp;Journal de la liaison</source>
        <translation>&amp;Link log</translation>
    </message>
    <message>
        <source>&amp;Langue</source>
        <translation>L&amp;anguage</translation>
    </message>
    <message>
        <source>Selon le bureau</source>
        <translation>Desktop default</translation>
    </message>
    <message>
        <source>Programmer plusieurs &amp;cartes…</source>
        <translation>Program several &amp;boards…</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Éditeur et programmateur de la carte LT840</source>
        <translation>Editor and programmer for the LT840 board</translation>
    </message>
    <message>
        <source>fichier</source>
        <translation>file</translation>
    </message>
    <message>
        <source>Séquence (.dat) à ouvrir au démarrage.</source>
        <translation>Sequence (.dat) to open at startup.</translation>
    </message>
    <message>
        <source>[fichier]</source>
        <translation>[file]</translation>
    </message>
</context>
</TS>
