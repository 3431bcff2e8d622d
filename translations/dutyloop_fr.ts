<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Calendar</name>
    <message>
        <source>%1, work day</source>
        <translation>%1, jour de service</translation>
    </message>
    <message>
        <source>%1, off duty</source>
        <translation>%1, repos</translation>
    </message>
    <message>
        <source>On duty: %1</source>
        <translation>En service&#xa0;: %1</translation>
    </message>
    <message>
        <source>No crew on duty</source>
        <translation>Aucune équipe en service</translation>
    </message>
    <message>
        <source>No rotation</source>
        <translation>Aucun roulement</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>Service</translation>
    </message>
    <message>
        <source>Off-Duty</source>
        <translation>Repos</translation>
    </message>
    <message>
        <source>On duty (%1)</source>
        <translation>En service (%1)</translation>
    </message>
    <message>
        <source>Wk</source>
        <translation>Service</translation>
    </message>
    <message>
        <source>Legend: work days</source>
        <translation>Légende&#xa0;: jours de service</translation>
    </message>
    <message>
        <source>OD</source>
        <translation>Repos</translation>
    </message>
    <message>
        <source>Legend: off-duty days</source>
        <translation>Légende&#xa0;: jours de repos</translation>
    </message>
    <message>
        <source>Selected day</source>
        <translation>Jour sélectionné</translation>
    </message>
    <message>
        <source>Selected day: %1</source>
        <translation>Jour sélectionné&#xa0;: %1</translation>
    </message>
    <message>
        <source>Leave</source>
        <translation>Congé</translation>
    </message>
    <message>
        <source>Sick</source>
        <translation>Maladie</translation>
    </message>
    <message>
        <source>Swapped off</source>
        <translation>Service échangé (repos)</translation>
    </message>
    <message>
        <source>Extra duty</source>
        <translation>Service supplémentaire</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, note: %2</source>
        <translation>%1, note&#xa0;: %2</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Note&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Extra duty (%1)</source>
        <translation>Service supplémentaire (%1)</translation>
    </message>
    <message numerus="yes">
        <source>%n work days</source>
        <translation>
            <numerusform>%n jour de service</numerusform>
            <numerusform>%n jours de service</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n off</source>
        <extracomment>The days off beside the work days, as in &quot;12 work days, 19 off&quot;.</extracomment>
        <translation>
            <numerusform>%n jour de repos</numerusform>
            <numerusform>%n jours de repos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2: %3, %4</source>
        <extracomment>A month&apos;s days: the month, the year, then &quot;12 work days&quot; and &quot;19 off&quot;.</extracomment>
        <translation>%1 %2&#xa0;: %3, %4</translation>
    </message>
    <message>
        <source>%1 to %2 %3: %4, %5</source>
        <extracomment>The days from January to the month: January, the month, the year, then &quot;157 work days&quot; and &quot;208 off&quot;.</extracomment>
        <translation>De %1 à %2 %3&#xa0;: %4, %5</translation>
    </message>
    <message>
        <source>As rostered</source>
        <translation>Comme prévu</translation>
    </message>
    <message>
        <source>%1, note “%2”</source>
        <translation>%1, note «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>%1 was changed in the days file while its dialog was open; the file now says: %2.
Your change was not saved. Open the day again to change it.</source>
        <translation>%1 a été modifié dans le fichier des jours pendant que sa fenêtre était ouverte&#x202f;; le fichier indique maintenant&#xa0;: %2.
Votre modification n’a pas été enregistrée. Rouvrez le jour pour le modifier.</translation>
    </message>
    <message>
        <source>Cancelled: %1</source>
        <translation>Annulé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Today, %1</source>
        <translation>Aujourd’hui, %1</translation>
    </message>
    <message>
        <source>%1 – %2 next day</source>
        <extracomment>A duty&apos;s start and its end on the next day, as in &quot;07:00 – 07:00 next day&quot;.</extracomment>
        <translation>%1 – %2 le lendemain</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <extracomment>A duty&apos;s start and end on one day, as in &quot;07:00 – 19:00&quot;.</extracomment>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>The duty, then its hours: &quot;Work 07:00 – 07:00 next day&quot;.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Hours on duty: %1 in %2, %3 in %4</source>
        <extracomment>Hours worked in the shown month and in its year up to the month&apos;s end: &quot;Hours on duty: 288 in March, 816 in 2027&quot;.</extracomment>
        <translation>Heures de service&#xa0;: %1 en %2, %3 en %4</translation>
    </message>
    <message>
        <source>Hours taken as leave or sick: %1 in %2, %3 in %4</source>
        <translation>Heures en congé ou maladie&#xa0;: %1 en %2, %3 en %4</translation>
    </message>
    <message>
        <source>Public holiday: %1</source>
        <translation>Jour férié&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>ColorName</name>
    <message>
        <source>Aliceblue</source>
        <translation>Bleu Alice</translation>
    </message>
    <message>
        <source>Antiquewhite</source>
        <translation>Blanc antique</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Bleu aqua</translation>
    </message>
    <message>
        <source>Aquamarine</source>
        <translation>Aigue-marine</translation>
    </message>
    <message>
        <source>Azure</source>
        <translation>Blanc azuré</translation>
    </message>
    <message>
        <source>Beige</source>
        <translation>Beige</translation>
    </message>
    <message>
        <source>Bisque</source>
        <translation>Bisque</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Blanchedalmond</source>
        <translation>Blanc amande</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Blueviolet</source>
        <translation>Bleu violet</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Brun</translation>
    </message>
    <message>
        <source>Burlywood</source>
        <translation>Bois clair</translation>
    </message>
    <message>
        <source>Cadetblue</source>
        <translation>Bleu cadet</translation>
    </message>
    <message>
        <source>Chartreuse</source>
        <translation>Chartreuse</translation>
    </message>
    <message>
        <source>Chocolate</source>
        <translation>Chocolat</translation>
    </message>
    <message>
        <source>Coral</source>
        <translation>Corail</translation>
    </message>
    <message>
        <source>Cornflowerblue</source>
        <translation>Bleu bleuet</translation>
    </message>
    <message>
        <source>Cornsilk</source>
        <translation>Soie de maïs</translation>
    </message>
    <message>
        <source>Crimson</source>
        <translation>Cramoisi</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Darkblue</source>
        <translation>Bleu foncé</translation>
    </message>
    <message>
        <source>Darkcyan</source>
        <translation>Cyan foncé</translation>
    </message>
    <message>
        <source>Darkgoldenrod</source>
        <translation>Verge d’or foncé</translation>
    </message>
    <message>
        <source>Darkgray</source>
        <translation>Gris foncé</translation>
    </message>
    <message>
        <source>Darkgreen</source>
        <translation>Vert foncé</translation>
    </message>
    <message>
        <source>Darkgrey</source>
        <translation>Gris foncé</translation>
    </message>
    <message>
        <source>Darkkhaki</source>
        <translation>Kaki foncé</translation>
    </message>
    <message>
        <source>Darkmagenta</source>
        <translation>Magenta foncé</translation>
    </message>
    <message>
        <source>Darkolivegreen</source>
        <translation>Vert olive foncé</translation>
    </message>
    <message>
        <source>Darkorange</source>
        <translation>Orange foncé</translation>
    </message>
    <message>
        <source>Darkorchid</source>
        <translation>Orchidée foncé</translation>
    </message>
    <message>
        <source>Darkred</source>
        <translation>Rouge foncé</translation>
    </message>
    <message>
        <source>Darksalmon</source>
        <translation>Saumon foncé</translation>
    </message>
    <message>
        <source>Darkseagreen</source>
        <translation>Vert marin foncé</translation>
    </message>
    <message>
        <source>Darkslateblue</source>
        <translation>Bleu ardoise foncé</translation>
    </message>
    <message>
        <source>Darkslategray</source>
        <translation>Gris ardoise foncé</translation>
    </message>
    <message>
        <source>Darkslategrey</source>
        <translation>Gris ardoise foncé</translation>
    </message>
    <message>
        <source>Darkturquoise</source>
        <translation>Turquoise foncé</translation>
    </message>
    <message>
        <source>Darkviolet</source>
        <translation>Violet foncé</translation>
    </message>
    <message>
        <source>Deeppink</source>
        <translation>Rose profond</translation>
    </message>
    <message>
        <source>Deepskyblue</source>
        <translation>Bleu ciel profond</translation>
    </message>
    <message>
        <source>Dimgray</source>
        <translation>Gris terne</translation>
    </message>
    <message>
        <source>Dimgrey</source>
        <translation>Gris terne</translation>
    </message>
    <message>
        <source>Dodgerblue</source>
        <translation>Bleu Dodger</translation>
    </message>
    <message>
        <source>Firebrick</source>
        <translation>Rouge brique</translation>
    </message>
    <message>
        <source>Floralwhite</source>
        <translation>Blanc floral</translation>
    </message>
    <message>
        <source>Forestgreen</source>
        <translation>Vert forêt</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fuchsia</translation>
    </message>
    <message>
        <source>Gainsboro</source>
        <translation>Gris Gainsboro</translation>
    </message>
    <message>
        <source>Ghostwhite</source>
        <translation>Blanc spectral</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Or</translation>
    </message>
    <message>
        <source>Goldenrod</source>
        <translation>Verge d’or</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Greenyellow</source>
        <translation>Jaune vert</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Honeydew</source>
        <translation>Melon miel</translation>
    </message>
    <message>
        <source>Hotpink</source>
        <translation>Rose vif</translation>
    </message>
    <message>
        <source>Indianred</source>
        <translation>Rouge indien</translation>
    </message>
    <message>
        <source>Indigo</source>
        <translation>Indigo</translation>
    </message>
    <message>
        <source>Ivory</source>
        <translation>Ivoire</translation>
    </message>
    <message>
        <source>Khaki</source>
        <translation>Kaki</translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation>Lavande</translation>
    </message>
    <message>
        <source>Lavenderblush</source>
        <translation>Lavande rosée</translation>
    </message>
    <message>
        <source>Lawngreen</source>
        <translation>Vert prairie</translation>
    </message>
    <message>
        <source>Lemonchiffon</source>
        <translation>Mousseline citron</translation>
    </message>
    <message>
        <source>Lightblue</source>
        <translation>Bleu clair</translation>
    </message>
    <message>
        <source>Lightcoral</source>
        <translation>Corail clair</translation>
    </message>
    <message>
        <source>Lightcyan</source>
        <translation>Cyan clair</translation>
    </message>
    <message>
        <source>Lightgoldenrodyellow</source>
        <translation>Jaune verge d’or clair</translation>
    </message>
    <message>
        <source>Lightgray</source>
        <translation>Gris clair</translation>
    </message>
    <message>
        <source>Lightgreen</source>
        <translation>Vert clair</translation>
    </message>
    <message>
        <source>Lightgrey</source>
        <translation>Gris clair</translation>
    </message>
    <message>
        <source>Lightpink</source>
        <translation>Rose clair</translation>
    </message>
    <message>
        <source>Lightsalmon</source>
        <translation>Saumon clair</translation>
    </message>
    <message>
        <source>Lightseagreen</source>
        <translation>Vert marin clair</translation>
    </message>
    <message>
        <source>Lightskyblue</source>
        <translation>Bleu ciel clair</translation>
    </message>
    <message>
        <source>Lightslategray</source>
        <translation>Gris ardoise clair</translation>
    </message>
    <message>
        <source>Lightslategrey</source>
        <translation>Gris ardoise clair</translation>
    </message>
    <message>
        <source>Lightsteelblue</source>
        <translation>Bleu acier clair</translation>
    </message>
    <message>
        <source>Lightyellow</source>
        <translation>Jaune clair</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Citron vert</translation>
    </message>
    <message>
        <source>Limegreen</source>
        <translation>Vert citron</translation>
    </message>
    <message>
        <source>Linen</source>
        <translation>Lin</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Marron</translation>
    </message>
    <message>
        <source>Mediumaquamarine</source>
        <translation>Aigue-marine moyen</translation>
    </message>
    <message>
        <source>Mediumblue</source>
        <translation>Bleu moyen</translation>
    </message>
    <message>
        <source>Mediumorchid</source>
        <translation>Orchidée moyen</translation>
    </message>
    <message>
        <source>Mediumpurple</source>
        <translation>Pourpre moyen</translation>
    </message>
    <message>
        <source>Mediumseagreen</source>
        <translation>Vert marin moyen</translation>
    </message>
    <message>
        <source>Mediumslateblue</source>
        <translation>Bleu ardoise moyen</translation>
    </message>
    <message>
        <source>Mediumspringgreen</source>
        <translation>Vert printemps moyen</translation>
    </message>
    <message>
        <source>Mediumturquoise</source>
        <translation>Turquoise moyen</translation>
    </message>
    <message>
        <source>Mediumvioletred</source>
        <translation>Rouge violet moyen</translation>
    </message>
    <message>
        <source>Midnightblue</source>
        <translation>Bleu nuit</translation>
    </message>
    <message>
        <source>Mintcream</source>
        <translation>Crème menthe</translation>
    </message>
    <message>
        <source>Mistyrose</source>
        <translation>Rose brumeux</translation>
    </message>
    <message>
        <source>Moccasin</source>
        <translation>Mocassin</translation>
    </message>
    <message>
        <source>Navajowhite</source>
        <translation>Blanc navajo</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Bleu marine</translation>
    </message>
    <message>
        <source>Oldlace</source>
        <translation>Dentelle ancienne</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Olive</translation>
    </message>
    <message>
        <source>Olivedrab</source>
        <translation>Olive terne</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Orangered</source>
        <translation>Rouge orangé</translation>
    </message>
    <message>
        <source>Orchid</source>
        <translation>Orchidée</translation>
    </message>
    <message>
        <source>Palegoldenrod</source>
        <translation>Verge d’or pâle</translation>
    </message>
    <message>
        <source>Palegreen</source>
        <translation>Vert pâle</translation>
    </message>
    <message>
        <source>Paleturquoise</source>
        <translation>Turquoise pâle</translation>
    </message>
    <message>
        <source>Palevioletred</source>
        <translation>Rouge violet pâle</translation>
    </message>
    <message>
        <source>Papayawhip</source>
        <translation>Crème papaye</translation>
    </message>
    <message>
        <source>Peachpuff</source>
        <translation>Pêche</translation>
    </message>
    <message>
        <source>Peru</source>
        <translation>Pérou</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rose</translation>
    </message>
    <message>
        <source>Plum</source>
        <translation>Prune</translation>
    </message>
    <message>
        <source>Powderblue</source>
        <translation>Bleu poudre</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Pourpre</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Rosybrown</source>
        <translation>Brun rosé</translation>
    </message>
    <message>
        <source>Royalblue</source>
        <translation>Bleu roi</translation>
    </message>
    <message>
        <source>Saddlebrown</source>
        <translation>Brun cuir</translation>
    </message>
    <message>
        <source>Salmon</source>
        <translation>Saumon</translation>
    </message>
    <message>
        <source>Sandybrown</source>
        <translation>Brun sable</translation>
    </message>
    <message>
        <source>Seagreen</source>
        <translation>Vert marin</translation>
    </message>
    <message>
        <source>Seashell</source>
        <translation>Coquillage</translation>
    </message>
    <message>
        <source>Sienna</source>
        <translation>Terre de Sienne</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Argent</translation>
    </message>
    <message>
        <source>Skyblue</source>
        <translation>Bleu ciel</translation>
    </message>
    <message>
        <source>Slateblue</source>
        <translation>Bleu ardoise</translation>
    </message>
    <message>
        <source>Slategray</source>
        <translation>Gris ardoise</translation>
    </message>
    <message>
        <source>Slategrey</source>
        <translation>Gris ardoise</translation>
    </message>
    <message>
        <source>Snow</source>
        <translation>Neige</translation>
    </message>
    <message>
        <source>Springgreen</source>
        <translation>Vert printemps</translation>
    </message>
    <message>
        <source>Steelblue</source>
        <translation>Bleu acier</translation>
    </message>
    <message>
        <source>Tan</source>
        <translation>Tanné</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Bleu canard</translation>
    </message>
    <message>
        <source>Thistle</source>
        <translation>Chardon</translation>
    </message>
    <message>
        <source>Tomato</source>
        <translation>Tomate</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>Turquoise</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Wheat</source>
        <translation>Blé</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Whitesmoke</source>
        <translation>Blanc fumé</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Yellowgreen</source>
        <translation>Vert jaune</translation>
    </message>
    <message>
        <source>Null</source>
        <translation>Aucune couleur</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Dutyloop shows whether your crew is on duty on any day of its rotation.</source>
        <translation>Dutyloop indique, pour chaque jour du roulement, si votre équipe est de service.</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Affiche cette aide et quitte.</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>Affiche la version et quitte.</translation>
    </message>
    <message>
        <source>Opens the calendar on &lt;date&gt;, as YYYY-MM-DD.</source>
        <translation>Ouvre le calendrier à la &lt;date&gt;, au format AAAA-MM-JJ.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos;.
</source>
        <translation>%1&#xa0;: %2
Saisissez «&#xa0;%1 --help&#xa0;» pour plus d’informations.
</translation>
    </message>
    <message>
        <source>%1: unexpected argument &apos;%2&apos;
Try &apos;%1 --help&apos;.
</source>
        <translation>%1&#xa0;: argument inattendu «&#xa0;%2&#xa0;»
Saisissez «&#xa0;%1 --help&#xa0;» pour plus d’informations.
</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a valid date; write it as YYYY-MM-DD
</source>
        <translation>%1&#xa0;: «&#xa0;%2&#xa0;» n’est pas une date valide&#x202f;; écrivez-la au format AAAA-MM-JJ
</translation>
    </message>
    <message>
        <source>date</source>
        <translation>date</translation>
    </message>
    <message>
        <source>--print-year needs --crew and --output
Try &apos;dutyloop --help&apos;.</source>
        <translation>--print-year demande --crew et --output
Saisissez «&#xa0;dutyloop --help&#xa0;» pour plus d’informations.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a year from %2 to %3</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une année comprise entre %2 et %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a crew; the crews are %2</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une équipe&#x202f;; les équipes sont %2</translation>
    </message>
    <message>
        <source>--output needs a file name</source>
        <translation>--output demande un nom de fichier</translation>
    </message>
    <message>
        <source>Writes the duty year &lt;year&gt; of a crew as a one-page PDF and exits.</source>
        <translation>Écrit l’année de service &lt;année&gt; d’une équipe dans un PDF d’une page et quitte.</translation>
    </message>
    <message>
        <source>year</source>
        <translation>année</translation>
    </message>
    <message>
        <source>The crew to print, as &quot;5 TFS&quot; or its digit alone.</source>
        <translation>L’équipe à imprimer, sous la forme «&#xa0;5 TFS&#xa0;» ou son seul chiffre.</translation>
    </message>
    <message>
        <source>crew</source>
        <translation>équipe</translation>
    </message>
    <message>
        <source>The PDF file that --print-year writes.</source>
        <translation>Le fichier PDF qu’écrit --print-year.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>fichier</translation>
    </message>
    <message>
        <source>--crew and --output go with --print-year
Try &apos;dutyloop --help&apos;.</source>
        <translation>--crew et --output s’emploient avec --print-year
Saisissez «&#xa0;dutyloop --help&#xa0;» pour plus d’informations.</translation>
    </message>
    <message>
        <source>%1: %2
</source>
        <extracomment>The program&apos;s name, then a message; every error the command line prints starts so.</extracomment>
        <translation>%1&#xa0;: %2
</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a date from %3 to %4
</source>
        <translation>%1&#xa0;: «&#xa0;%2&#xa0;» n’est pas une date comprise entre %3 et %4
</translation>
    </message>
    <message>
        <source>Prints your next duty and exits: its start and end as &quot;YYYY-MM-DD HH:MM YYYY-MM-DD HH:MM CREW&quot;, or &quot;YYYY-MM-DD all-day CREW&quot; for a duty all day.</source>
        <translation>Affiche votre prochain service sur une ligne et quitte&#xa0;: date et heure de début, date et heure de fin, équipe&#x202f;; «&#xa0;all-day&#xa0;» au lieu des heures pour un service toute la journée.</translation>
    </message>
    <message>
        <source>--next-duty goes alone
Try &apos;dutyloop --help&apos;.</source>
        <translation>--next-duty s’emploie seul
Saisissez «&#xa0;dutyloop --help&#xa0;» pour plus d’informations.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; follows no crew&apos;s rotation; choose your crew on the Settings tab.</source>
        <translation>«&#xa0;%1&#xa0;» ne suit le roulement d’aucune équipe&#x202f;; choisissez votre équipe dans l’onglet «&#xa0;Paramètres&#xa0;».</translation>
    </message>
    <message numerus="yes">
        <source>%1 has no duty in the next %n days.</source>
        <translation>
            <numerusform>%1 n’a aucun service pendant %n jour.</numerusform>
            <numerusform>%1 n’a aucun service pendant les %n prochains jours.</numerusform>
        </translation>
    </message>
    <message>
        <source>Publishes your duty once to the calendar or folder chosen with Publish… on the Settings tab, prints what it did and exits.</source>
        <translation>Publie votre service une fois dans le calendrier ou le dossier choisi avec «&#xa0;Publier…&#xa0;» dans l’onglet «&#xa0;Paramètres&#xa0;», affiche ce qui a été fait et quitte.</translation>
    </message>
    <message>
        <source>For --publish: the calendar&apos;s password in the first line of &lt;file&gt;, which only you may read, instead of the password saved in your desktop&apos;s secret store.</source>
        <translation>Pour --publish&#xa0;: le mot de passe du calendrier dans la première ligne de &lt;file&gt;, que vous seul pouvez lire, au lieu du mot de passe enregistré dans le trousseau de clés de votre bureau.</translation>
    </message>
    <message>
        <source>--publish goes alone or with --password-file
Try &apos;dutyloop --help&apos;.</source>
        <translation>--publish s’emploie seul ou avec --password-file
Saisissez «&#xa0;dutyloop --help&#xa0;» pour plus d’informations.</translation>
    </message>
    <message>
        <source>--password-file needs a file name</source>
        <translation>--password-file demande un nom de fichier</translation>
    </message>
    <message>
        <source>--password-file goes with --publish
Try &apos;dutyloop --help&apos;.</source>
        <translation>--password-file s’emploie avec --publish
Saisissez «&#xa0;dutyloop --help&#xa0;» pour plus d’informations.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Unable to write to %1.</source>
        <translation>Impossible d’écrire dans %1.</translation>
    </message>
    <message>
        <source>%1
The change was not saved.</source>
        <translation>%1
La modification n’a pas été enregistrée.</translation>
    </message>
    <message>
        <source>The days file %1 would grow past %2, the most that can be read back.</source>
        <translation>Le fichier des jours %1 dépasserait %2, la taille maximale qui peut être relue.</translation>
    </message>
    <message>
        <source>Unable to read %1: %2.</source>
        <extracomment>The file, then why it cannot be read: &quot;Permission denied&quot;, &quot;it is not a file&quot;.</extracomment>
        <translation>Impossible de lire %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Unable to read %1.</source>
        <translation>Impossible de lire %1.</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <extracomment>Why a folder, a FIFO or a device under a file&apos;s name is neither read nor written.</extracomment>
        <translation>ce n’est pas un fichier</translation>
    </message>
    <message>
        <source>it is larger than %1</source>
        <translation>il dépasse %1</translation>
    </message>
    <message>
        <source>Unable to write to %1: %2.</source>
        <extracomment>The file, then why it cannot be written: &quot;Permission denied&quot;, &quot;it is not a file&quot;.</extracomment>
        <translation>Impossible d’écrire dans %1&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>Holidays</name>
    <message>
        <source>New Year&apos;s Day</source>
        <translation>Jour de l’an</translation>
    </message>
    <message>
        <source>Epiphany</source>
        <translation>Épiphanie</translation>
    </message>
    <message>
        <source>International Women&apos;s Day</source>
        <translation>Journée internationale des femmes</translation>
    </message>
    <message>
        <source>Good Friday</source>
        <translation>Vendredi saint</translation>
    </message>
    <message>
        <source>Easter Sunday</source>
        <translation>Dimanche de Pâques</translation>
    </message>
    <message>
        <source>Easter Monday</source>
        <translation>Lundi de Pâques</translation>
    </message>
    <message>
        <source>Labour Day</source>
        <translation>Fête du Travail</translation>
    </message>
    <message>
        <source>Liberation Day</source>
        <translation>Jour de la Libération</translation>
    </message>
    <message>
        <source>Victory in Europe Day</source>
        <translation>Victoire 1945</translation>
    </message>
    <message>
        <source>Ascension Day</source>
        <translation>Ascension</translation>
    </message>
    <message>
        <source>Whit Sunday</source>
        <translation>Dimanche de Pentecôte</translation>
    </message>
    <message>
        <source>Whit Monday</source>
        <translation>Lundi de Pentecôte</translation>
    </message>
    <message>
        <source>Corpus Christi</source>
        <translation>Fête-Dieu</translation>
    </message>
    <message>
        <source>Assumption Day</source>
        <translation>Assomption</translation>
    </message>
    <message>
        <source>World Children&apos;s Day</source>
        <translation>Journée mondiale de l’enfance</translation>
    </message>
    <message>
        <source>German Unity Day</source>
        <translation>Jour de l’Unité allemande</translation>
    </message>
    <message>
        <source>Austrian National Day</source>
        <translation>Fête nationale autrichienne</translation>
    </message>
    <message>
        <source>Reformation Day</source>
        <translation>Fête de la Réformation</translation>
    </message>
    <message>
        <source>All Saints&apos; Day</source>
        <translation>Toussaint</translation>
    </message>
    <message>
        <source>Day of Repentance and Prayer</source>
        <translation>Jour de pénitence et de prière</translation>
    </message>
    <message>
        <source>Armistice Day</source>
        <translation>Armistice 1918</translation>
    </message>
    <message>
        <source>Immaculate Conception</source>
        <translation>Immaculée Conception</translation>
    </message>
    <message>
        <source>Christmas Day</source>
        <translation>Noël</translation>
    </message>
    <message>
        <source>St Stephen&apos;s Day</source>
        <translation>Saint-Étienne</translation>
    </message>
    <message>
        <source>Bastille Day</source>
        <translation>Fête nationale</translation>
    </message>
    <message>
        <source>Martin Luther King Jr. Day</source>
        <translation>Journée de Martin Luther King</translation>
    </message>
    <message>
        <source>Washington&apos;s Birthday</source>
        <translation>Anniversaire de Washington</translation>
    </message>
    <message>
        <source>Memorial Day</source>
        <translation>Memorial Day</translation>
    </message>
    <message>
        <source>Juneteenth</source>
        <translation>Juneteenth</translation>
    </message>
    <message>
        <source>Independence Day</source>
        <translation>Jour de l’Indépendance</translation>
    </message>
    <message>
        <source>Labor Day</source>
        <translation>Labor Day</translation>
    </message>
    <message>
        <source>Columbus Day</source>
        <translation>Columbus Day</translation>
    </message>
    <message>
        <source>Veterans Day</source>
        <translation>Journée des anciens combattants</translation>
    </message>
    <message>
        <source>Thanksgiving Day</source>
        <translation>Thanksgiving</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>United States</source>
        <translation>États-Unis</translation>
    </message>
    <message>
        <source>Germany – Baden-Württemberg</source>
        <translation>Allemagne – Bade-Wurtemberg</translation>
    </message>
    <message>
        <source>Germany – Bavaria</source>
        <translation>Allemagne – Bavière</translation>
    </message>
    <message>
        <source>Germany – Berlin</source>
        <translation>Allemagne – Berlin</translation>
    </message>
    <message>
        <source>Germany – Brandenburg</source>
        <translation>Allemagne – Brandebourg</translation>
    </message>
    <message>
        <source>Germany – Bremen</source>
        <translation>Allemagne – Brême</translation>
    </message>
    <message>
        <source>Germany – Hamburg</source>
        <translation>Allemagne – Hambourg</translation>
    </message>
    <message>
        <source>Germany – Hesse</source>
        <translation>Allemagne – Hesse</translation>
    </message>
    <message>
        <source>Germany – Mecklenburg-Vorpommern</source>
        <translation>Allemagne – Mecklembourg-Poméranie-Occidentale</translation>
    </message>
    <message>
        <source>Germany – Lower Saxony</source>
        <translation>Allemagne – Basse-Saxe</translation>
    </message>
    <message>
        <source>Germany – North Rhine-Westphalia</source>
        <translation>Allemagne – Rhénanie-du-Nord-Westphalie</translation>
    </message>
    <message>
        <source>Germany – Rhineland-Palatinate</source>
        <translation>Allemagne – Rhénanie-Palatinat</translation>
    </message>
    <message>
        <source>Germany – Saarland</source>
        <translation>Allemagne – Sarre</translation>
    </message>
    <message>
        <source>Germany – Saxony</source>
        <translation>Allemagne – Saxe</translation>
    </message>
    <message>
        <source>Germany – Saxony-Anhalt</source>
        <translation>Allemagne – Saxe-Anhalt</translation>
    </message>
    <message>
        <source>Germany – Schleswig-Holstein</source>
        <translation>Allemagne – Schleswig-Holstein</translation>
    </message>
    <message>
        <source>Germany – Thuringia</source>
        <translation>Allemagne – Thuringe</translation>
    </message>
    <message>
        <source>Austria</source>
        <translation>Autriche</translation>
    </message>
    <message>
        <source>France</source>
        <translation>France</translation>
    </message>
    <message>
        <source>France – Alsace-Moselle</source>
        <translation>France – Alsace-Moselle</translation>
    </message>
    <message>
        <source>%1 (observed)</source>
        <translation>%1 (jour chômé)</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1, public holiday: %2</source>
        <translation>%1, jour férié&#xa0;: %2</translation>
    </message>
    <message>
        <source>Public holiday: %1</source>
        <translation>Jour férié&#xa0;: %1</translation>
    </message>
    <message>
        <source>Holidays on duty: %1 in %2, %3 in %4</source>
        <translation>Jours fériés en service&#xa0;: %1 en %2, %3 en %4</translation>
    </message>
    <message>
        <source>%1 is no iCalendar file of holidays.</source>
        <translation>%1 n’est pas un fichier iCalendar de jours fériés.</translation>
    </message>
    <message>
        <source>Anniversary of the Uprising of 17 June 1953</source>
        <translation>Anniversaire du soulèvement du 17 juin 1953</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>et %n autre</numerusform>
            <numerusform>et %n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 asks for more days than a calendar of holidays holds; not every repetition of these events is marked: %2.</source>
        <extracomment>The file, then the names of its events, as &quot;Founders&apos; Day, Town fair&quot;.</extracomment>
        <translation>%1 demande plus de jours qu’un calendrier des jours fériés n’en contient&#x202f;; toutes les répétitions de ces événements ne sont pas marquées&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>Metadata</name>
    <message>
        <source>Dutyloop</source>
        <extracomment>The program&apos;s name, a trademark: usually kept as it is.</extracomment>
        <translation>Dutyloop</translation>
    </message>
    <message>
        <source>Duty Calendar</source>
        <translation>Calendrier de service</translation>
    </message>
    <message>
        <source>See at a glance whether your crew is on duty</source>
        <translation>Voir d’un coup d’œil si votre équipe est de service</translation>
    </message>
    <message>
        <source>duty;rotation;roster;shift;crew;calendar;schedule;</source>
        <translation>service;roulement;planning;équipe;garde;astreinte;calendrier;horaires;</translation>
    </message>
    <message>
        <source>Dutyloop is a duty-rotation calendar for the crews of an agency that work a fixed 196-day rotation. Pick your crew&apos;s assignment and every day of the month shows at a glance whether your crew is on duty or off.</source>
        <translation>Dutyloop est un calendrier de service pour les équipes d’un organisme qui suivent un roulement fixe de 196 jours. Choisissez votre équipe&#xa0;: chaque jour du mois indique d’un coup d’œil si elle est de service ou au repos.</translation>
    </message>
    <message>
        <source>Move through the months with the keyboard or the buttons, jump back to today, and choose whether weeks start on Monday and which colours mark work days, off-duty days and the neighbouring months&apos; days. The settings are kept for the next start.</source>
        <translation>Parcourez les mois au clavier ou avec les boutons, revenez à aujourd’hui, et choisissez si les semaines commencent le lundi et quelles couleurs marquent les jours de service, les jours de repos et les jours des mois voisins. Les paramètres sont conservés pour le prochain démarrage.</translation>
    </message>
    <message>
        <source>A month of a crew&apos;s rotation: work days in blue, days off in grey</source>
        <translation>Un mois du roulement d’une équipe&#xa0;: jours de service en bleu, jours de repos en gris</translation>
    </message>
    <message>
        <source>Choosing the crew, the first day of the week and the colours</source>
        <translation>Choix de l’équipe, du premier jour de la semaine et des couleurs</translation>
    </message>
    <message>
        <source>Days changed by hand (leave, sickness, swaps, extra duty and notes), export of a crew&apos;s duty days to an iCalendar file, the duty year printed on one page or saved as PDF, German and French, and a month grid that screen readers read day by day.</source>
        <translation>Jours modifiés à la main (congé, maladie, échanges, service supplémentaire et notes), export des jours de service d’une équipe dans un fichier iCalendar, l’année de service imprimée sur une page ou enregistrée en PDF, allemand et français, et une grille du mois que les lecteurs d’écran lisent jour par jour.</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Back to the calendar</source>
        <translation>Retour au calendrier</translation>
    </message>
</context>
<context>
    <name>Publishing</name>
    <message>
        <source>The calendar&apos;s address must be a web address, starting with https or http.</source>
        <translation>L’adresse du calendrier doit être une adresse web commençant par https ou http.</translation>
    </message>
    <message>
        <source>The folder must be given as a full path.</source>
        <translation>Le dossier doit être donné par son chemin complet.</translation>
    </message>
    <message>
        <source>No place to publish is set.</source>
        <translation>Aucun endroit où publier n’est choisi.</translation>
    </message>
    <message>
        <source>Unable to make %1: %2</source>
        <translation>Impossible de créer %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Unable to delete %1</source>
        <translation>Impossible de supprimer %1</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 n’est pas un fichier</translation>
    </message>
    <message>
        <source>%1 must be yours and neither readable nor writable by others (chmod 600)</source>
        <translation>%1 doit vous appartenir et n’être ni lisible ni modifiable par d’autres (chmod 600)</translation>
    </message>
    <message>
        <source>no password is saved for %1; publish once from the window, or give --password-file</source>
        <translation>aucun mot de passe n’est enregistré pour %1&#x202f;; publiez une fois depuis la fenêtre, ou donnez --password-file</translation>
    </message>
    <message>
        <source>the secret store did not answer: %1</source>
        <translation>le trousseau de clés n’a pas répondu&#xa0;: %1</translation>
    </message>
    <message>
        <source>no place to publish is set; choose one with Publish… on the Settings tab</source>
        <translation>aucun endroit où publier n’est choisi&#x202f;; choisissez-en un avec «&#xa0;Publier…&#xa0;» dans l’onglet «&#xa0;Paramètres&#xa0;»</translation>
    </message>
    <message>
        <source>Published just now</source>
        <translation>Publié à l’instant</translation>
    </message>
    <message numerus="yes">
        <source>Published %n minutes ago</source>
        <translation>
            <numerusform>Publié il y a %n minute</numerusform>
            <numerusform>Publié il y a %n minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Published %n hours ago</source>
        <translation>
            <numerusform>Publié il y a %n heure</numerusform>
            <numerusform>Publié il y a %n heures</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Published %n days ago</source>
        <translation>
            <numerusform>Publié il y a %n jour</numerusform>
            <numerusform>Publié il y a %n jours</numerusform>
        </translation>
    </message>
    <message>
        <source>no usable place to publish</source>
        <translation>aucun endroit utilisable où publier</translation>
    </message>
    <message>
        <source>server unreachable</source>
        <translation>serveur injoignable</translation>
    </message>
    <message>
        <source>the server did not answer in time</source>
        <translation>le serveur n’a pas répondu à temps</translation>
    </message>
    <message>
        <source>wrong user name or password</source>
        <translation>nom d’utilisateur ou mot de passe incorrect</translation>
    </message>
    <message>
        <source>the server refused access</source>
        <translation>le serveur a refusé l’accès</translation>
    </message>
    <message>
        <source>no calendar at this address</source>
        <translation>aucun calendrier à cette adresse</translation>
    </message>
    <message>
        <source>server error</source>
        <translation>erreur du serveur</translation>
    </message>
    <message>
        <source>the server&apos;s answer cannot be read</source>
        <translation>la réponse du serveur est illisible</translation>
    </message>
    <message>
        <source>the server&apos;s certificate is not trusted</source>
        <translation>le certificat du serveur n’est pas reconnu comme sûr</translation>
    </message>
    <message>
        <source>the folder cannot be written</source>
        <translation>impossible d’écrire dans le dossier</translation>
    </message>
    <message>
        <source>Not published</source>
        <translation>Non publié</translation>
    </message>
    <message>
        <source>Publishing…</source>
        <translation>Publication…</translation>
    </message>
    <message numerus="yes">
        <source>%n changes waiting</source>
        <translation>
            <numerusform>%n modification en attente</numerusform>
            <numerusform>%n modifications en attente</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changes waiting: %1</source>
        <extracomment>The changes waiting, then why: &quot;3 changes waiting: server unreachable&quot;.</extracomment>
        <translation>
            <numerusform>%n modification en attente&#xa0;: %1</numerusform>
            <numerusform>%n modifications en attente&#xa0;: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%L1 created, %L2 updated, %L3 deleted on %4</source>
        <extracomment>What one publishing run did: events created, updated and deleted, and where.</extracomment>
        <translation>Créations&#xa0;: %L1, modifications&#xa0;: %L2, suppressions&#xa0;: %L3 dans %4</translation>
    </message>
    <message>
        <source>SHA-256 fingerprint %1</source>
        <extracomment>The certificate&apos;s fingerprint, to compare with the one the server&apos;s owner gives.</extracomment>
        <translation>empreinte SHA-256 %1</translation>
    </message>
    <message>
        <source>no password given</source>
        <translation>aucun mot de passe donné</translation>
    </message>
    <message>
        <source>its elements nest deeper than %L1 levels</source>
        <translation>ses éléments sont imbriqués sur plus de %L1 niveaux</translation>
    </message>
    <message>
        <source>no multistatus answer</source>
        <translation>aucune réponse multistatus</translation>
    </message>
    <message>
        <source>the answer is larger than %L1 MiB</source>
        <translation>la réponse dépasse %L1&#xa0;Mio</translation>
    </message>
    <message numerus="yes">
        <source>redirected more than %n times</source>
        <translation>
            <numerusform>redirigé plus de %n&#xa0;fois</numerusform>
            <numerusform>redirigé plus de %n&#xa0;fois</numerusform>
        </translation>
    </message>
    <message>
        <source>The server moved the calendar to %1; change the address in Publish… if you trust it.</source>
        <translation>Le serveur a déplacé le calendrier vers %1&#x202f;; changez l’adresse dans Publier… si vous lui faites confiance.</translation>
    </message>
    <message numerus="yes">
        <source>The server named %n resources outside the calendar; they were left alone.</source>
        <extracomment>Resources a server&apos;s answer named outside the calendar collection, never touched.</extracomment>
        <translation>
            <numerusform>Le serveur a indiqué %n ressource hors du calendrier&#x202f;; elle n’a pas été touchée.</numerusform>
            <numerusform>Le serveur a indiqué %n ressources hors du calendrier&#x202f;; elles n’ont pas été touchées.</numerusform>
        </translation>
    </message>
    <message>
        <source>the server moved the calendar to another address</source>
        <translation>le serveur a déplacé le calendrier vers une autre adresse</translation>
    </message>
    <message>
        <source>what was published cannot be recorded</source>
        <translation>ce qui a été publié ne peut pas être consigné</translation>
    </message>
    <message>
        <source>%1 is not encrypted: the password would travel in clear. Use an https:// address, or allow this one once in Publish…</source>
        <translation>%1 n’est pas chiffrée&#xa0;: le mot de passe circulerait en clair. Utilisez une adresse https://, ou autorisez celle-ci une fois dans Publier…</translation>
    </message>
    <message>
        <source>the address is not encrypted</source>
        <translation>l’adresse n’est pas chiffrée</translation>
    </message>
</context>
<context>
    <name>Reminder</name>
    <message>
        <source>Duty today, %1</source>
        <extracomment>A desktop notification; %1 is the crew.</extracomment>
        <translation>Service aujourd’hui, %1</translation>
    </message>
    <message>
        <source>Duty tomorrow, %1</source>
        <extracomment>A desktop notification; %1 is the crew.</extracomment>
        <translation>Service demain, %1</translation>
    </message>
    <message>
        <source>Duty on %1, %2</source>
        <extracomment>A desktop notification; %1 is the date, %2 the crew.</extracomment>
        <translation>Service le %1, %2</translation>
    </message>
    <message>
        <source>Duty at %1 today, %2</source>
        <extracomment>A desktop notification; %1 is the time the duty starts, %2 the crew.</extracomment>
        <translation>Service à %1 aujourd’hui, %2</translation>
    </message>
    <message>
        <source>Duty at %1 tomorrow, %2</source>
        <extracomment>A desktop notification; %1 is the time the duty starts, %2 the crew.</extracomment>
        <translation>Service à %1 demain, %2</translation>
    </message>
    <message>
        <source>Duty at %1 on %2, %3</source>
        <extracomment>A desktop notification; %1 is the time the duty starts, %2 its date, %3 the crew.</extracomment>
        <translation>Service le %2 à %1, %3</translation>
    </message>
</context>
<context>
    <name>YearPage</name>
    <message>
        <source>Dutyloop – %1 – %2</source>
        <translation>Dutyloop – %1 – %2</translation>
    </message>
    <message>
        <source>Work day</source>
        <translation>Jour de service</translation>
    </message>
    <message>
        <source>Off day</source>
        <translation>Jour de repos</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd’hui</translation>
    </message>
    <message>
        <source>Work days on leave: %1</source>
        <translation>Jours de service en congé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Changed day</source>
        <translation>Jour modifié</translation>
    </message>
    <message>
        <source>The year: %1, %2</source>
        <extracomment>The year&apos;s days: &quot;157 work days&quot; and &quot;208 off&quot;.</extracomment>
        <translation>Sur l’année&#xa0;: %1, %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>No public holiday on duty</source>
        <translation>Aucun jour férié en service</translation>
    </message>
    <message>
        <source>Public holidays on duty: %1</source>
        <translation>Jours fériés en service&#xa0;: %1</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Public holiday</source>
        <translation>Jour férié</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>The legend of a work day with the crew&apos;s hours: &quot;Work day, 07:00 – 07:00 next day&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Hours on duty: %1</source>
        <translation>Heures de service&#xa0;: %1</translation>
    </message>
    <message>
        <source>Hours taken as leave or sick: %1</source>
        <translation>Heures en congé ou maladie&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>dutyloop::AboutPage</name>
    <message>
        <source>email: %1</source>
        <translation>Courriel&#xa0;: %1</translation>
    </message>
    <message>
        <source>Support web page</source>
        <translation>Page web d’assistance</translation>
    </message>
    <message>
        <source>Email to support</source>
        <translation>Courriel à l’assistance</translation>
    </message>
    <message>
        <source>Dutyloop for Tornvale v%1

Copyright © 2014-2026 Halvorne
Dutyloop is a trademark of Halvorne
All rights reserved
%2

Linux Desktop Version</source>
        <translation>Dutyloop pour Tornvale v%1

Copyright © 2014-2026 Halvorne
Dutyloop est une marque de Halvorne
Tous droits réservés
%2

Version pour le bureau Linux</translation>
    </message>
</context>
<context>
    <name>dutyloop::CalendarPage</name>
    <message>
        <source>Previous month</source>
        <translation>Mois précédent</translation>
    </message>
    <message>
        <source>Previous month (Page Up)</source>
        <translation>Mois précédent (Page préc.)</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Mois suivant</translation>
    </message>
    <message>
        <source>Next month (Page Down)</source>
        <translation>Mois suivant (Page suiv.)</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd’hui</translation>
    </message>
    <message>
        <source>Go to today (Home)</source>
        <translation>Aller à aujourd’hui (Début)</translation>
    </message>
    <message>
        <source>Pick a date</source>
        <translation>Choisir une date</translation>
    </message>
    <message>
        <source>Pick a date: %1</source>
        <translation>Choisir une date&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <comment>the month shown, then the day chosen</comment>
        <translation>%1. %2</translation>
    </message>
</context>
<context>
    <name>dutyloop::ColorsGroup</name>
    <message>
        <source>%1: %2</source>
        <comment>what a colour is for, then the colour</comment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>Service</translation>
    </message>
    <message>
        <source>Work day colour</source>
        <translation>Couleur des jours de service</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Repos</translation>
    </message>
    <message>
        <source>Off-duty colour</source>
        <translation>Couleur des jours de repos</translation>
    </message>
    <message>
        <source>Ld/Tr</source>
        <translation>Mois voisins</translation>
    </message>
    <message>
        <source>Leading and trailing days colour</source>
        <translation>Couleur des jours des mois voisins</translation>
    </message>
    <message>
        <source>BkGr</source>
        <translation>Fond</translation>
    </message>
    <message>
        <source>Background colour</source>
        <translation>Couleur du fond</translation>
    </message>
</context>
<context>
    <name>dutyloop::CrewGroup</name>
    <message>
        <source>Assignment</source>
        <translation>Équipe</translation>
    </message>
    <message>
        <source>Start Monday</source>
        <translation>Début le lundi</translation>
    </message>
    <message>
        <source>Start weeks on Monday</source>
        <translation>Semaines commençant le lundi</translation>
    </message>
</context>
<context>
    <name>dutyloop::DateField</name>
    <message>
        <source>Not a date: type it as %1 or as %2.</source>
        <translation>Ce n’est pas une date&#xa0;: saisissez-la sous la forme %1 ou %2.</translation>
    </message>
</context>
<context>
    <name>dutyloop::DayDialog</name>
    <message>
        <source>As rostered</source>
        <translation>Comme prévu</translation>
    </message>
    <message>
        <source>Leave</source>
        <translation>Congé</translation>
    </message>
    <message>
        <source>Sick</source>
        <translation>Maladie</translation>
    </message>
    <message>
        <source>Swapped off (off duty on a work day)</source>
        <translation>Service échangé (repos un jour de service)</translation>
    </message>
    <message>
        <source>Extra duty (on duty on a day off)</source>
        <translation>Service supplémentaire (service un jour de repos)</translation>
    </message>
    <message>
        <source>%1: work day</source>
        <translation>%1&#xa0;: jour de service</translation>
    </message>
    <message>
        <source>%1: off duty</source>
        <translation>%1&#xa0;: repos</translation>
    </message>
    <message>
        <source>%1: no rotation</source>
        <translation>%1&#xa0;: aucun roulement</translation>
    </message>
    <message>
        <source>No change can be made before the rotation starts.</source>
        <translation>Aucune modification n’est possible avant le début du roulement.</translation>
    </message>
    <message>
        <source>Leave and sickness fit any day; a swap only a work day, extra duty only a day off.</source>
        <translation>Congé et maladie s’appliquent à tout jour&#x202f;; un échange seulement à un jour de service, un service supplémentaire seulement à un jour de repos.</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Remove change</source>
        <translation>Supprimer la modification</translation>
    </message>
    <message>
        <source>No change can be made under %1, which follows no crew&apos;s rotation.</source>
        <translation>Aucune modification n’est possible sous %1, qui ne suit le roulement d’aucune équipe.</translation>
    </message>
    <message>
        <source>%1: work day, %2</source>
        <translation>%1&#xa0;: jour de service, %2</translation>
    </message>
</context>
<context>
    <name>dutyloop::DutyHoursGroup</name>
    <message>
        <source>Duty starts</source>
        <translation>Début du service</translation>
    </message>
    <message>
        <source>Duty length</source>
        <translation>Durée du service</translation>
    </message>
    <message>
        <source>All day</source>
        <translation>Toute la journée</translation>
    </message>
    <message>
        <source> h</source>
        <extracomment>After a duty&apos;s length in hours, as in &quot;24 h&quot;.</extracomment>
        <translation>&#xa0;h</translation>
    </message>
    <message>
        <source>Remind me</source>
        <translation>Me rappeler</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Jamais</translation>
    </message>
    <message>
        <source>15 minutes before</source>
        <translation>15 minutes avant</translation>
    </message>
    <message>
        <source>1 hour before</source>
        <translation>1 heure avant</translation>
    </message>
    <message>
        <source>2 hours before</source>
        <translation>2 heures avant</translation>
    </message>
    <message>
        <source>The evening before</source>
        <translation>La veille au soir</translation>
    </message>
    <message>
        <source>Remind me of duty</source>
        <translation>Me rappeler le service</translation>
    </message>
    <message>
        <source>In the evening at</source>
        <translation>Le soir à</translation>
    </message>
    <message>
        <source>Evening reminder at</source>
        <translation>Rappel la veille à</translation>
    </message>
    <message>
        <source>Duty of %1 starts at</source>
        <translation>Début du service de %1</translation>
    </message>
    <message>
        <source>Duty of %1 lasts, in hours</source>
        <translation>Durée du service de %1, en heures</translation>
    </message>
    <message>
        <source>A duty all day has no start; give it a length to set when it starts.</source>
        <translation>Un service toute la journée n’a pas de début&#x202f;; donnez-lui une durée pour en fixer le début.</translation>
    </message>
</context>
<context>
    <name>dutyloop::DutyPublishing</name>
    <message>
        <source>no answer</source>
        <translation>pas de réponse</translation>
    </message>
</context>
<context>
    <name>dutyloop::ExportDialog</name>
    <message>
        <source>Export Duty Calendar</source>
        <translation>Exporter le calendrier de service</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer&#x202f;?</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>Fichiers iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Parcourir…</translation>
    </message>
    <message>
        <source>Assignment:</source>
        <translation>Équipe&#xa0;:</translation>
    </message>
    <message>
        <source>First month:</source>
        <translation>Premier mois&#xa0;:</translation>
    </message>
    <message>
        <source>Months:</source>
        <translation>Nombre de mois&#xa0;:</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Fichier&#xa0;:</translation>
    </message>
    <message>
        <source>Choose the file</source>
        <translation>Choisir le fichier</translation>
    </message>
    <message numerus="yes">
        <source>%n duty periods written to %1</source>
        <translation>
            <numerusform>%n période de service écrite dans %1</numerusform>
            <numerusform>%n périodes de service écrites dans %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>dutyloop::FilesGroup</name>
    <message>
        <source>Export…</source>
        <translation>Exporter…</translation>
    </message>
    <message>
        <source>Export duty days to a calendar file</source>
        <translation>Exporter les jours de service dans un fichier de calendrier</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimer…</translation>
    </message>
    <message>
        <source>Print a crew&apos;s duty year or save it as PDF</source>
        <translation>Imprimer l’année de service d’une équipe ou l’enregistrer en PDF</translation>
    </message>
    <message>
        <source>Publish…</source>
        <translation>Publier…</translation>
    </message>
    <message>
        <source>Publish the duty to your own calendar and keep it current</source>
        <translation>Publier le service dans votre propre calendrier et le tenir à jour</translation>
    </message>
</context>
<context>
    <name>dutyloop::HelpPage</name>
    <message>
        <source>How the Settings tab works</source>
        <translation>Fonctionnement de l’onglet «&#xa0;Paramètres&#xa0;»</translation>
    </message>
    <message>
        <source>First day of week</source>
        <translation>Début de semaine</translation>
    </message>
    <message>
        <source>Shift Assignment</source>
        <translation>Choix de l’équipe</translation>
    </message>
    <message>
        <source>Shift Colors</source>
        <translation>Couleurs des jours</translation>
    </message>
    <message>
        <source>Leading / Trailing</source>
        <translation>Mois voisins</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fond</translation>
    </message>
    <message>
        <source>A picture of the Settings tab, with notes on its controls.</source>
        <translation>Une image de l’onglet «&#xa0;Paramètres&#xa0;», avec des notes sur ses commandes.</translation>
    </message>
    <message>
        <source>%1: the list “%2”.</source>
        <translation>%1&#xa0;: la liste «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>%1: the switch “%2”.</source>
        <translation>%1&#xa0;: l’interrupteur «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>%1: the buttons “%2” and “%3”.</source>
        <translation>%1&#xa0;: les boutons «&#xa0;%2&#xa0;» et «&#xa0;%3&#xa0;».</translation>
    </message>
    <message>
        <source>%1: the button “%2”.</source>
        <translation>%1&#xa0;: le bouton «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>Your Own Calendar</source>
        <translation>Votre calendrier</translation>
    </message>
    <message>
        <source>At the top is the button “%1”, at the bottom the buttons “%2”, “%3” and “%4”.</source>
        <translation>En haut se trouve le bouton «&#xa0;%1&#xa0;», en bas les boutons «&#xa0;%2&#xa0;», «&#xa0;%3&#xa0;» et «&#xa0;%4&#xa0;».</translation>
    </message>
    <message>
        <source>%1: the button “%2”, which keeps the chosen crew&apos;s duty current in a calendar on your own server or in a folder that calendar programs read.</source>
        <translation>%1&#xa0;: le bouton «&#xa0;%2&#xa0;», qui tient à jour le service de l’équipe choisie dans un calendrier sur votre propre serveur ou dans un dossier que lisent les programmes d’agenda.</translation>
    </message>
</context>
<context>
    <name>dutyloop::HolidaysGroup</name>
    <message>
        <source>Holidays</source>
        <translation>Jours fériés</translation>
    </message>
    <message>
        <source>From a file…</source>
        <translation>Depuis un fichier…</translation>
    </message>
    <message>
        <source>Public holidays</source>
        <translation>Jours fériés</translation>
    </message>
</context>
<context>
    <name>dutyloop::MainWindow</name>
    <message>
        <source>Calendar</source>
        <translation>Calendrier</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
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
        <source>%1
Your own days cannot be shown or changed until it can be read.</source>
        <translation>%1
Vos jours ne peuvent être affichés ni modifiés tant qu’il ne peut pas être lu.</translation>
    </message>
    <message>
        <source>Settings saved</source>
        <translation>Paramètres enregistrés</translation>
    </message>
    <message>
        <source>Unsaved Settings</source>
        <translation>Paramètres non enregistrés</translation>
    </message>
    <message>
        <source>The settings have been changed but not saved.
Save them before closing?</source>
        <translation>Les paramètres ont été modifiés mais pas enregistrés.
Les enregistrer avant de fermer&#x202f;?</translation>
    </message>
</context>
<context>
    <name>dutyloop::MonthView</name>
    <message>
        <source>Change day…</source>
        <translation>Modifier le jour…</translation>
    </message>
</context>
<context>
    <name>dutyloop::PrintDialog</name>
    <message>
        <source>Print Duty Year</source>
        <translation>Imprimer l’année de service</translation>
    </message>
    <message>
        <source>Preview…</source>
        <translation>Aperçu…</translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation>Enregistrer en PDF…</translation>
    </message>
    <message>
        <source>Crew:</source>
        <translation>Équipe&#xa0;:</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Année&#xa0;:</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Duty year saved as %1</source>
        <translation>Année de service enregistrée sous %1</translation>
    </message>
</context>
<context>
    <name>dutyloop::PublishDialog</name>
    <message>
        <source>Publish Duty Calendar</source>
        <translation>Publier le calendrier de service</translation>
    </message>
    <message>
        <source>Publish the duty to</source>
        <translation>Où publier le service</translation>
    </message>
    <message>
        <source>&amp;Not published</source>
        <translation>&amp;Non publié</translation>
    </message>
    <message>
        <source>A Cal&amp;DAV calendar on a server</source>
        <translation>Un calendrier Cal&amp;DAV sur un serveur</translation>
    </message>
    <message>
        <source>A &amp;folder, one file per event</source>
        <translation>Un dossier, un &amp;fichier par évènement</translation>
    </message>
    <message>
        <source>UR&amp;L:</source>
        <translation>UR&amp;L&#xa0;:</translation>
    </message>
    <message>
        <source>U&amp;ser name:</source>
        <translation>Nom d’&amp;utilisateur&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>&amp;Parcourir…</translation>
    </message>
    <message>
        <source>Choose the folder</source>
        <translation>Choisir le dossier</translation>
    </message>
    <message>
        <source>Folde&amp;r:</source>
        <translation>Dossie&amp;r&#xa0;:</translation>
    </message>
    <message>
        <source>Months published, from this month on</source>
        <translation>Mois publiés à partir de ce mois-ci</translation>
    </message>
    <message>
        <source>from this month on</source>
        <translation>à partir de ce mois-ci</translation>
    </message>
    <message>
        <source>&amp;Months:</source>
        <translation>Moi&amp;s&#xa0;:</translation>
    </message>
    <message>
        <source>Folder for the Duty</source>
        <translation>Dossier pour le service</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>pas de réponse</translation>
    </message>
    <message>
        <source>No secret store answered (%1), so the password is kept until Dutyloop closes and asked for again at its next start.</source>
        <translation>Aucun trousseau de clés n’a répondu (%1)&#x202f;; le mot de passe est donc gardé jusqu’à la fermeture de Dutyloop et redemandé au prochain démarrage.</translation>
    </message>
    <message>
        <source>Enter the calendar&apos;s URL.</source>
        <translation>Saisissez l’URL du calendrier.</translation>
    </message>
    <message>
        <source>The URL must start with https:// or http:// and name a server, with no password in it.</source>
        <translation>L’URL doit commencer par «&#xa0;https&#xa0;» ou «&#xa0;http&#xa0;» et nommer un serveur, sans mot de passe.</translation>
    </message>
    <message>
        <source>Choose the folder.</source>
        <translation>Choisissez le dossier.</translation>
    </message>
    <message>
        <source>Enter the folder&apos;s whole path, starting with / or ~.</source>
        <translation>Saisissez le chemin complet du dossier, commençant par / ou ~.</translation>
    </message>
    <message>
        <source>Unencrypted Address</source>
        <translation>Adresse non chiffrée</translation>
    </message>
    <message>
        <source>%1 is not encrypted: the user name, the password and the duty would travel in clear, and anyone on the network on the way could read them.

Use an https:// address where the server has one. Send the password unencrypted to this address?</source>
        <translation>%1 n’est pas chiffrée&#xa0;: le nom d’utilisateur, le mot de passe et le service circuleraient en clair, et n’importe qui sur le réseau en chemin pourrait les lire.

Utilisez une adresse https:// si le serveur en a une. Envoyer le mot de passe sans chiffrement à cette adresse&#x202f;?</translation>
    </message>
    <message>
        <source>Send Unencrypted</source>
        <translation>Envoyer sans chiffrement</translation>
    </message>
</context>
<context>
    <name>dutyloop::PublishStateRow</name>
    <message>
        <source>Enter Password…</source>
        <translation>Saisir le mot de passe…</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Réessayer</translation>
    </message>
</context>
<context>
    <name>dutyloop::PublishingFlow</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The secret store did not keep the password: %1
It is kept until Dutyloop closes.</source>
        <translation>Le trousseau de clés n’a pas conservé le mot de passe&#xa0;: %1
Il est gardé jusqu’à la fermeture de Dutyloop.</translation>
    </message>
    <message>
        <source>%1
Changes not yet saved are published once saved.</source>
        <translation>%1
Les modifications non enregistrées seront publiées une fois enregistrées.</translation>
    </message>
    <message>
        <source>Publish Duty Calendar</source>
        <translation>Publier le calendrier de service</translation>
    </message>
    <message>
        <source>The server refused the user name or password for %1.
The duty waits until the server takes the password.</source>
        <translation>Le serveur a refusé le nom d’utilisateur ou le mot de passe pour %1.
La publication du service attend que le serveur accepte le mot de passe.</translation>
    </message>
    <message>
        <source>Enter Password…</source>
        <translation>Saisir le mot de passe…</translation>
    </message>
    <message>
        <source>Untrusted Certificate</source>
        <translation>Certificat non fiable</translation>
    </message>
    <message>
        <source>The certificate of %1 cannot be verified, so Dutyloop cannot tell whether the server is the one you mean.

Its SHA-256 fingerprint is:
%2

Accept it only where it is the fingerprint that the server&apos;s owner gives.</source>
        <translation>Le certificat de %1 ne peut pas être vérifié&#x202f;; Dutyloop ne peut donc pas savoir si le serveur est bien celui que vous visez.

Son empreinte SHA-256 est&#xa0;:
%2

Acceptez-le seulement s’il porte l’empreinte que donne le propriétaire du serveur.</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Accepter</translation>
    </message>
</context>
<context>
    <name>dutyloop::SettingsPage</name>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Couleur</translation>
    </message>
</context>
<context>
    <name>dutyloop::ShownHolidays</name>
    <message>
        <source>Calendar of Holidays</source>
        <translation>Calendrier des jours fériés</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>Fichiers iCalendar (*.ics)</translation>
    </message>
</context>
</TS>
