<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Calendar</name>
    <message>
        <source>%1, work day</source>
        <translation>%1, Diensttag</translation>
    </message>
    <message>
        <source>%1, off duty</source>
        <translation>%1, dienstfrei</translation>
    </message>
    <message>
        <source>On duty: %1</source>
        <translation>Im Dienst: %1</translation>
    </message>
    <message>
        <source>No crew on duty</source>
        <translation>Keine Dienstgruppe im Dienst</translation>
    </message>
    <message>
        <source>No rotation</source>
        <translation>Kein Dienstplan</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>Dienst</translation>
    </message>
    <message>
        <source>Off-Duty</source>
        <translation>Dienstfrei</translation>
    </message>
    <message>
        <source>On duty (%1)</source>
        <translation>Dienst (%1)</translation>
    </message>
    <message>
        <source>Wk</source>
        <translation>Dienst</translation>
    </message>
    <message>
        <source>Legend: work days</source>
        <translation>Legende: Diensttage</translation>
    </message>
    <message>
        <source>OD</source>
        <translation>Frei</translation>
    </message>
    <message>
        <source>Legend: off-duty days</source>
        <translation>Legende: dienstfreie Tage</translation>
    </message>
    <message>
        <source>Selected day</source>
        <translation>Gewählter Tag</translation>
    </message>
    <message>
        <source>Selected day: %1</source>
        <translation>Gewählter Tag: %1</translation>
    </message>
    <message>
        <source>Leave</source>
        <translation>Urlaub</translation>
    </message>
    <message>
        <source>Sick</source>
        <translation>Krankheit</translation>
    </message>
    <message>
        <source>Swapped off</source>
        <translation>Dienst getauscht (frei)</translation>
    </message>
    <message>
        <source>Extra duty</source>
        <translation>Zusatzdienst</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, note: %2</source>
        <translation>%1, Notiz: %2</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Notiz: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Extra duty (%1)</source>
        <translation>Zusatzdienst (%1)</translation>
    </message>
    <message numerus="yes">
        <source>%n work days</source>
        <translation>
            <numerusform>%n Diensttag</numerusform>
            <numerusform>%n Diensttage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n off</source>
        <extracomment>The days off beside the work days, as in &quot;12 work days, 19 off&quot;.</extracomment>
        <translation>
            <numerusform>%n dienstfreier Tag</numerusform>
            <numerusform>%n dienstfreie Tage</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2: %3, %4</source>
        <extracomment>A month&apos;s days: the month, the year, then &quot;12 work days&quot; and &quot;19 off&quot;.</extracomment>
        <translation>%1 %2: %3, %4</translation>
    </message>
    <message>
        <source>%1 to %2 %3: %4, %5</source>
        <extracomment>The days from January to the month: January, the month, the year, then &quot;157 work days&quot; and &quot;208 off&quot;.</extracomment>
        <translation>%1 bis %2 %3: %4, %5</translation>
    </message>
    <message>
        <source>As rostered</source>
        <translation>Wie im Dienstplan</translation>
    </message>
    <message>
        <source>%1, note “%2”</source>
        <translation>%1, Notiz „%2“</translation>
    </message>
    <message>
        <source>%1 was changed in the days file while its dialog was open; the file now says: %2.
Your change was not saved. Open the day again to change it.</source>
        <translation>%1 wurde in der Tagedatei geändert, während der Dialog offen war; dort steht jetzt: %2.
Ihre Änderung wurde nicht gespeichert. Öffnen Sie den Tag erneut, um ihn zu ändern.</translation>
    </message>
    <message>
        <source>Cancelled: %1</source>
        <translation>Abgesagt: %1</translation>
    </message>
    <message>
        <source>Today, %1</source>
        <translation>Heute, %1</translation>
    </message>
    <message>
        <source>%1 – %2 next day</source>
        <extracomment>A duty&apos;s start and its end on the next day, as in &quot;07:00 – 07:00 next day&quot;.</extracomment>
        <translation>%1 – %2 am Folgetag</translation>
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
        <translation>Dienststunden: %1 im %2, %3 im Jahr %4</translation>
    </message>
    <message>
        <source>Hours taken as leave or sick: %1 in %2, %3 in %4</source>
        <translation>Stunden in Urlaub oder Krankheit: %1 im %2, %3 im Jahr %4</translation>
    </message>
    <message>
        <source>Public holiday: %1</source>
        <translation>Feiertag: %1</translation>
    </message>
</context>
<context>
    <name>ColorName</name>
    <message>
        <source>Aliceblue</source>
        <translation>Eisblau</translation>
    </message>
    <message>
        <source>Antiquewhite</source>
        <translation>Antikweiß</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Wasserblau</translation>
    </message>
    <message>
        <source>Aquamarine</source>
        <translation>Aquamarin</translation>
    </message>
    <message>
        <source>Azure</source>
        <translation>Azurweiß</translation>
    </message>
    <message>
        <source>Beige</source>
        <translation>Beige</translation>
    </message>
    <message>
        <source>Bisque</source>
        <translation>Biskuit</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Blanchedalmond</source>
        <translation>Mandelweiß</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Blueviolet</source>
        <translation>Blauviolett</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Braun</translation>
    </message>
    <message>
        <source>Burlywood</source>
        <translation>Holzfarben</translation>
    </message>
    <message>
        <source>Cadetblue</source>
        <translation>Kadettenblau</translation>
    </message>
    <message>
        <source>Chartreuse</source>
        <translation>Chartreuse</translation>
    </message>
    <message>
        <source>Chocolate</source>
        <translation>Schokolade</translation>
    </message>
    <message>
        <source>Coral</source>
        <translation>Koralle</translation>
    </message>
    <message>
        <source>Cornflowerblue</source>
        <translation>Kornblumenblau</translation>
    </message>
    <message>
        <source>Cornsilk</source>
        <translation>Maisseide</translation>
    </message>
    <message>
        <source>Crimson</source>
        <translation>Karmesinrot</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Darkblue</source>
        <translation>Dunkelblau</translation>
    </message>
    <message>
        <source>Darkcyan</source>
        <translation>Dunkelcyan</translation>
    </message>
    <message>
        <source>Darkgoldenrod</source>
        <translation>Dunkelgoldgelb</translation>
    </message>
    <message>
        <source>Darkgray</source>
        <translation>Dunkelgrau</translation>
    </message>
    <message>
        <source>Darkgreen</source>
        <translation>Dunkelgrün</translation>
    </message>
    <message>
        <source>Darkgrey</source>
        <translation>Dunkelgrau</translation>
    </message>
    <message>
        <source>Darkkhaki</source>
        <translation>Dunkelkhaki</translation>
    </message>
    <message>
        <source>Darkmagenta</source>
        <translation>Dunkelmagenta</translation>
    </message>
    <message>
        <source>Darkolivegreen</source>
        <translation>Dunkelolivgrün</translation>
    </message>
    <message>
        <source>Darkorange</source>
        <translation>Dunkelorange</translation>
    </message>
    <message>
        <source>Darkorchid</source>
        <translation>Dunkelorchidee</translation>
    </message>
    <message>
        <source>Darkred</source>
        <translation>Dunkelrot</translation>
    </message>
    <message>
        <source>Darksalmon</source>
        <translation>Dunkellachs</translation>
    </message>
    <message>
        <source>Darkseagreen</source>
        <translation>Dunkelmeergrün</translation>
    </message>
    <message>
        <source>Darkslateblue</source>
        <translation>Dunkelschieferblau</translation>
    </message>
    <message>
        <source>Darkslategray</source>
        <translation>Dunkelschiefergrau</translation>
    </message>
    <message>
        <source>Darkslategrey</source>
        <translation>Dunkelschiefergrau</translation>
    </message>
    <message>
        <source>Darkturquoise</source>
        <translation>Dunkeltürkis</translation>
    </message>
    <message>
        <source>Darkviolet</source>
        <translation>Dunkelviolett</translation>
    </message>
    <message>
        <source>Deeppink</source>
        <translation>Tiefrosa</translation>
    </message>
    <message>
        <source>Deepskyblue</source>
        <translation>Tiefhimmelblau</translation>
    </message>
    <message>
        <source>Dimgray</source>
        <translation>Mattgrau</translation>
    </message>
    <message>
        <source>Dimgrey</source>
        <translation>Mattgrau</translation>
    </message>
    <message>
        <source>Dodgerblue</source>
        <translation>Dodgerblau</translation>
    </message>
    <message>
        <source>Firebrick</source>
        <translation>Ziegelrot</translation>
    </message>
    <message>
        <source>Floralwhite</source>
        <translation>Blütenweiß</translation>
    </message>
    <message>
        <source>Forestgreen</source>
        <translation>Waldgrün</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fuchsia</translation>
    </message>
    <message>
        <source>Gainsboro</source>
        <translation>Gainsborograu</translation>
    </message>
    <message>
        <source>Ghostwhite</source>
        <translation>Geisterweiß</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Gold</translation>
    </message>
    <message>
        <source>Goldenrod</source>
        <translation>Goldgelb</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Greenyellow</source>
        <translation>Grüngelb</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>Honeydew</source>
        <translation>Honigmelone</translation>
    </message>
    <message>
        <source>Hotpink</source>
        <translation>Knallrosa</translation>
    </message>
    <message>
        <source>Indianred</source>
        <translation>Indischrot</translation>
    </message>
    <message>
        <source>Indigo</source>
        <translation>Indigo</translation>
    </message>
    <message>
        <source>Ivory</source>
        <translation>Elfenbein</translation>
    </message>
    <message>
        <source>Khaki</source>
        <translation>Khaki</translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation>Lavendel</translation>
    </message>
    <message>
        <source>Lavenderblush</source>
        <translation>Lavendelrosa</translation>
    </message>
    <message>
        <source>Lawngreen</source>
        <translation>Rasengrün</translation>
    </message>
    <message>
        <source>Lemonchiffon</source>
        <translation>Zitronenchiffon</translation>
    </message>
    <message>
        <source>Lightblue</source>
        <translation>Hellblau</translation>
    </message>
    <message>
        <source>Lightcoral</source>
        <translation>Hellkoralle</translation>
    </message>
    <message>
        <source>Lightcyan</source>
        <translation>Hellcyan</translation>
    </message>
    <message>
        <source>Lightgoldenrodyellow</source>
        <translation>Hellgoldgelb</translation>
    </message>
    <message>
        <source>Lightgray</source>
        <translation>Hellgrau</translation>
    </message>
    <message>
        <source>Lightgreen</source>
        <translation>Hellgrün</translation>
    </message>
    <message>
        <source>Lightgrey</source>
        <translation>Hellgrau</translation>
    </message>
    <message>
        <source>Lightpink</source>
        <translation>Hellrosa</translation>
    </message>
    <message>
        <source>Lightsalmon</source>
        <translation>Hell-Lachs</translation>
    </message>
    <message>
        <source>Lightseagreen</source>
        <translation>Hellmeergrün</translation>
    </message>
    <message>
        <source>Lightskyblue</source>
        <translation>Hellhimmelblau</translation>
    </message>
    <message>
        <source>Lightslategray</source>
        <translation>Hellschiefergrau</translation>
    </message>
    <message>
        <source>Lightslategrey</source>
        <translation>Hellschiefergrau</translation>
    </message>
    <message>
        <source>Lightsteelblue</source>
        <translation>Hellstahlblau</translation>
    </message>
    <message>
        <source>Lightyellow</source>
        <translation>Hellgelb</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Limette</translation>
    </message>
    <message>
        <source>Limegreen</source>
        <translation>Limettengrün</translation>
    </message>
    <message>
        <source>Linen</source>
        <translation>Leinen</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Kastanienbraun</translation>
    </message>
    <message>
        <source>Mediumaquamarine</source>
        <translation>Mittelaquamarin</translation>
    </message>
    <message>
        <source>Mediumblue</source>
        <translation>Mittelblau</translation>
    </message>
    <message>
        <source>Mediumorchid</source>
        <translation>Mittelorchidee</translation>
    </message>
    <message>
        <source>Mediumpurple</source>
        <translation>Mittelpurpur</translation>
    </message>
    <message>
        <source>Mediumseagreen</source>
        <translation>Mittleres Meergrün</translation>
    </message>
    <message>
        <source>Mediumslateblue</source>
        <translation>Mittelschieferblau</translation>
    </message>
    <message>
        <source>Mediumspringgreen</source>
        <translation>Mittelfrühlingsgrün</translation>
    </message>
    <message>
        <source>Mediumturquoise</source>
        <translation>Mitteltürkis</translation>
    </message>
    <message>
        <source>Mediumvioletred</source>
        <translation>Mittelviolettrot</translation>
    </message>
    <message>
        <source>Midnightblue</source>
        <translation>Mitternachtsblau</translation>
    </message>
    <message>
        <source>Mintcream</source>
        <translation>Minzcreme</translation>
    </message>
    <message>
        <source>Mistyrose</source>
        <translation>Nebelrosa</translation>
    </message>
    <message>
        <source>Moccasin</source>
        <translation>Mokassin</translation>
    </message>
    <message>
        <source>Navajowhite</source>
        <translation>Navajoweiß</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Marineblau</translation>
    </message>
    <message>
        <source>Oldlace</source>
        <translation>Alte Spitze</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliv</translation>
    </message>
    <message>
        <source>Olivedrab</source>
        <translation>Olivgrün</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Orangered</source>
        <translation>Orangerot</translation>
    </message>
    <message>
        <source>Orchid</source>
        <translation>Orchidee</translation>
    </message>
    <message>
        <source>Palegoldenrod</source>
        <translation>Blassgoldgelb</translation>
    </message>
    <message>
        <source>Palegreen</source>
        <translation>Blassgrün</translation>
    </message>
    <message>
        <source>Paleturquoise</source>
        <translation>Blasstürkis</translation>
    </message>
    <message>
        <source>Palevioletred</source>
        <translation>Blassviolettrot</translation>
    </message>
    <message>
        <source>Papayawhip</source>
        <translation>Papayacreme</translation>
    </message>
    <message>
        <source>Peachpuff</source>
        <translation>Pfirsich</translation>
    </message>
    <message>
        <source>Peru</source>
        <translation>Peru</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Plum</source>
        <translation>Pflaume</translation>
    </message>
    <message>
        <source>Powderblue</source>
        <translation>Puderblau</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Purpur</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Rosybrown</source>
        <translation>Rosenbraun</translation>
    </message>
    <message>
        <source>Royalblue</source>
        <translation>Königsblau</translation>
    </message>
    <message>
        <source>Saddlebrown</source>
        <translation>Sattelbraun</translation>
    </message>
    <message>
        <source>Salmon</source>
        <translation>Lachs</translation>
    </message>
    <message>
        <source>Sandybrown</source>
        <translation>Sandbraun</translation>
    </message>
    <message>
        <source>Seagreen</source>
        <translation>Meergrün</translation>
    </message>
    <message>
        <source>Seashell</source>
        <translation>Muschelweiß</translation>
    </message>
    <message>
        <source>Sienna</source>
        <translation>Siena</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Silber</translation>
    </message>
    <message>
        <source>Skyblue</source>
        <translation>Himmelblau</translation>
    </message>
    <message>
        <source>Slateblue</source>
        <translation>Schieferblau</translation>
    </message>
    <message>
        <source>Slategray</source>
        <translation>Schiefergrau</translation>
    </message>
    <message>
        <source>Slategrey</source>
        <translation>Schiefergrau</translation>
    </message>
    <message>
        <source>Snow</source>
        <translation>Schneeweiß</translation>
    </message>
    <message>
        <source>Springgreen</source>
        <translation>Frühlingsgrün</translation>
    </message>
    <message>
        <source>Steelblue</source>
        <translation>Stahlblau</translation>
    </message>
    <message>
        <source>Tan</source>
        <translation>Lederbraun</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Petrol</translation>
    </message>
    <message>
        <source>Thistle</source>
        <translation>Distel</translation>
    </message>
    <message>
        <source>Tomato</source>
        <translation>Tomatenrot</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>Türkis</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Violett</translation>
    </message>
    <message>
        <source>Wheat</source>
        <translation>Weizen</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Whitesmoke</source>
        <translation>Rauchweiß</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Yellowgreen</source>
        <translation>Gelbgrün</translation>
    </message>
    <message>
        <source>Null</source>
        <translation>Keine Farbe</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Dutyloop shows whether your crew is on duty on any day of its rotation.</source>
        <translation>Dutyloop zeigt für jeden Tag des Dienstplans, ob Ihre Dienstgruppe Dienst hat.</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Zeigt diese Hilfe an und beendet das Programm.</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>Zeigt die Version an und beendet das Programm.</translation>
    </message>
    <message>
        <source>Opens the calendar on &lt;date&gt;, as YYYY-MM-DD.</source>
        <translation>Öffnet den Kalender am &lt;Datum&gt;, im Format JJJJ-MM-TT.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos;.
</source>
        <translation>%1: %2
„%1 --help“ zeigt weitere Informationen.
</translation>
    </message>
    <message>
        <source>%1: unexpected argument &apos;%2&apos;
Try &apos;%1 --help&apos;.
</source>
        <translation>%1: unerwartetes Argument „%2“
„%1 --help“ zeigt weitere Informationen.
</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a valid date; write it as YYYY-MM-DD
</source>
        <translation>%1: „%2“ ist kein gültiges Datum; bitte im Format JJJJ-MM-TT angeben
</translation>
    </message>
    <message>
        <source>date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>--print-year needs --crew and --output
Try &apos;dutyloop --help&apos;.</source>
        <translation>--print-year braucht --crew und --output
„dutyloop --help“ zeigt weitere Informationen.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a year from %2 to %3</source>
        <translation>„%1“ ist kein Jahr von %2 bis %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a crew; the crews are %2</source>
        <translation>„%1“ ist keine Dienstgruppe; die Dienstgruppen sind %2</translation>
    </message>
    <message>
        <source>--output needs a file name</source>
        <translation>--output braucht einen Dateinamen</translation>
    </message>
    <message>
        <source>Writes the duty year &lt;year&gt; of a crew as a one-page PDF and exits.</source>
        <translation>Schreibt das Dienstjahr &lt;Jahr&gt; einer Dienstgruppe als einseitiges PDF und beendet das Programm.</translation>
    </message>
    <message>
        <source>year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>The crew to print, as &quot;5 TFS&quot; or its digit alone.</source>
        <translation>Die zu druckende Dienstgruppe, als „5 TFS“ oder nur ihre Ziffer.</translation>
    </message>
    <message>
        <source>crew</source>
        <translation>Dienstgruppe</translation>
    </message>
    <message>
        <source>The PDF file that --print-year writes.</source>
        <translation>Die PDF-Datei, die --print-year schreibt.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>--crew and --output go with --print-year
Try &apos;dutyloop --help&apos;.</source>
        <translation>--crew und --output gehören zu --print-year
„dutyloop --help“ zeigt weitere Informationen.</translation>
    </message>
    <message>
        <source>%1: %2
</source>
        <extracomment>The program&apos;s name, then a message; every error the command line prints starts so.</extracomment>
        <translation>%1: %2
</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a date from %3 to %4
</source>
        <translation>%1: „%2“ ist kein Datum von %3 bis %4
</translation>
    </message>
    <message>
        <source>Prints your next duty and exits: its start and end as &quot;YYYY-MM-DD HH:MM YYYY-MM-DD HH:MM CREW&quot;, or &quot;YYYY-MM-DD all-day CREW&quot; for a duty all day.</source>
        <translation>Gibt Ihren nächsten Dienst aus und beendet das Programm: Beginn und Ende als „YYYY-MM-DD HH:MM YYYY-MM-DD HH:MM DIENSTGRUPPE“ oder, bei Dienst den ganzen Tag, „YYYY-MM-DD all-day DIENSTGRUPPE“.</translation>
    </message>
    <message>
        <source>--next-duty goes alone
Try &apos;dutyloop --help&apos;.</source>
        <translation>--next-duty steht allein
„dutyloop --help“ zeigt weitere Informationen.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; follows no crew&apos;s rotation; choose your crew on the Settings tab.</source>
        <translation>„%1“ folgt keinem Dienstplan einer Dienstgruppe; wählen Sie Ihre Dienstgruppe auf der Registerkarte „Einstellungen“.</translation>
    </message>
    <message numerus="yes">
        <source>%1 has no duty in the next %n days.</source>
        <translation>
            <numerusform>%1 hat %n Tag lang keinen Dienst.</numerusform>
            <numerusform>%1 hat %n Tage lang keinen Dienst.</numerusform>
        </translation>
    </message>
    <message>
        <source>Publishes your duty once to the calendar or folder chosen with Publish… on the Settings tab, prints what it did and exits.</source>
        <translation>Veröffentlicht Ihren Dienst einmal im Kalender oder Ordner, der mit „Veröffentlichen…“ auf der Registerkarte „Einstellungen“ gewählt ist, zeigt an, was getan wurde, und beendet das Programm.</translation>
    </message>
    <message>
        <source>For --publish: the calendar&apos;s password in the first line of &lt;file&gt;, which only you may read, instead of the password saved in your desktop&apos;s secret store.</source>
        <translation>Für --publish: das Passwort des Kalenders in der ersten Zeile von &lt;file&gt;, die nur Sie lesen dürfen, statt des im Schlüsselbund Ihrer Arbeitsumgebung gespeicherten Passworts.</translation>
    </message>
    <message>
        <source>--publish goes alone or with --password-file
Try &apos;dutyloop --help&apos;.</source>
        <translation>--publish steht allein oder mit --password-file
„dutyloop --help“ zeigt weitere Informationen.</translation>
    </message>
    <message>
        <source>--password-file needs a file name</source>
        <translation>--password-file braucht einen Dateinamen</translation>
    </message>
    <message>
        <source>--password-file goes with --publish
Try &apos;dutyloop --help&apos;.</source>
        <translation>--password-file gehört zu --publish
„dutyloop --help“ zeigt weitere Informationen.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Unable to write to %1.</source>
        <translation>%1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>%1
The change was not saved.</source>
        <translation>%1
Die Änderung wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>The days file %1 would grow past %2, the most that can be read back.</source>
        <translation>Die Tagedatei %1 würde größer als %2, mehr kann nicht wieder gelesen werden.</translation>
    </message>
    <message>
        <source>Unable to read %1: %2.</source>
        <extracomment>The file, then why it cannot be read: &quot;Permission denied&quot;, &quot;it is not a file&quot;.</extracomment>
        <translation>%1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>Unable to read %1.</source>
        <translation>%1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <extracomment>Why a folder, a FIFO or a device under a file&apos;s name is neither read nor written.</extracomment>
        <translation>Es ist keine Datei</translation>
    </message>
    <message>
        <source>it is larger than %1</source>
        <translation>Es ist größer als %1</translation>
    </message>
    <message>
        <source>Unable to write to %1: %2.</source>
        <extracomment>The file, then why it cannot be written: &quot;Permission denied&quot;, &quot;it is not a file&quot;.</extracomment>
        <translation>%1 kann nicht geschrieben werden: %2.</translation>
    </message>
</context>
<context>
    <name>Holidays</name>
    <message>
        <source>New Year&apos;s Day</source>
        <translation>Neujahr</translation>
    </message>
    <message>
        <source>Epiphany</source>
        <translation>Heilige Drei Könige</translation>
    </message>
    <message>
        <source>International Women&apos;s Day</source>
        <translation>Internationaler Frauentag</translation>
    </message>
    <message>
        <source>Good Friday</source>
        <translation>Karfreitag</translation>
    </message>
    <message>
        <source>Easter Sunday</source>
        <translation>Ostersonntag</translation>
    </message>
    <message>
        <source>Easter Monday</source>
        <translation>Ostermontag</translation>
    </message>
    <message>
        <source>Labour Day</source>
        <translation>Tag der Arbeit</translation>
    </message>
    <message>
        <source>Liberation Day</source>
        <translation>Tag der Befreiung</translation>
    </message>
    <message>
        <source>Victory in Europe Day</source>
        <translation>Tag des Sieges 1945</translation>
    </message>
    <message>
        <source>Ascension Day</source>
        <translation>Christi Himmelfahrt</translation>
    </message>
    <message>
        <source>Whit Sunday</source>
        <translation>Pfingstsonntag</translation>
    </message>
    <message>
        <source>Whit Monday</source>
        <translation>Pfingstmontag</translation>
    </message>
    <message>
        <source>Corpus Christi</source>
        <translation>Fronleichnam</translation>
    </message>
    <message>
        <source>Assumption Day</source>
        <translation>Mariä Himmelfahrt</translation>
    </message>
    <message>
        <source>World Children&apos;s Day</source>
        <translation>Weltkindertag</translation>
    </message>
    <message>
        <source>German Unity Day</source>
        <translation>Tag der Deutschen Einheit</translation>
    </message>
    <message>
        <source>Austrian National Day</source>
        <translation>Österreichischer Nationalfeiertag</translation>
    </message>
    <message>
        <source>Reformation Day</source>
        <translation>Reformationstag</translation>
    </message>
    <message>
        <source>All Saints&apos; Day</source>
        <translation>Allerheiligen</translation>
    </message>
    <message>
        <source>Day of Repentance and Prayer</source>
        <translation>Buß- und Bettag</translation>
    </message>
    <message>
        <source>Armistice Day</source>
        <translation>Waffenstillstand 1918</translation>
    </message>
    <message>
        <source>Immaculate Conception</source>
        <translation>Mariä Empfängnis</translation>
    </message>
    <message>
        <source>Christmas Day</source>
        <translation>Erster Weihnachtstag</translation>
    </message>
    <message>
        <source>St Stephen&apos;s Day</source>
        <translation>Zweiter Weihnachtstag</translation>
    </message>
    <message>
        <source>Bastille Day</source>
        <translation>Französischer Nationalfeiertag</translation>
    </message>
    <message>
        <source>Martin Luther King Jr. Day</source>
        <translation>Martin-Luther-King-Tag</translation>
    </message>
    <message>
        <source>Washington&apos;s Birthday</source>
        <translation>Washingtons Geburtstag</translation>
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
        <translation>Unabhängigkeitstag</translation>
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
        <translation>Veterans Day</translation>
    </message>
    <message>
        <source>Thanksgiving Day</source>
        <translation>Thanksgiving</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>United States</source>
        <translation>Vereinigte Staaten</translation>
    </message>
    <message>
        <source>Germany – Baden-Württemberg</source>
        <translation>Deutschland – Baden-Württemberg</translation>
    </message>
    <message>
        <source>Germany – Bavaria</source>
        <translation>Deutschland – Bayern</translation>
    </message>
    <message>
        <source>Germany – Berlin</source>
        <translation>Deutschland – Berlin</translation>
    </message>
    <message>
        <source>Germany – Brandenburg</source>
        <translation>Deutschland – Brandenburg</translation>
    </message>
    <message>
        <source>Germany – Bremen</source>
        <translation>Deutschland – Bremen</translation>
    </message>
    <message>
        <source>Germany – Hamburg</source>
        <translation>Deutschland – Hamburg</translation>
    </message>
    <message>
        <source>Germany – Hesse</source>
        <translation>Deutschland – Hessen</translation>
    </message>
    <message>
        <source>Germany – Mecklenburg-Vorpommern</source>
        <translation>Deutschland – Mecklenburg-Vorpommern</translation>
    </message>
    <message>
        <source>Germany – Lower Saxony</source>
        <translation>Deutschland – Niedersachsen</translation>
    </message>
    <message>
        <source>Germany – North Rhine-Westphalia</source>
        <translation>Deutschland – Nordrhein-Westfalen</translation>
    </message>
    <message>
        <source>Germany – Rhineland-Palatinate</source>
        <translation>Deutschland – Rheinland-Pfalz</translation>
    </message>
    <message>
        <source>Germany – Saarland</source>
        <translation>Deutschland – Saarland</translation>
    </message>
    <message>
        <source>Germany – Saxony</source>
        <translation>Deutschland – Sachsen</translation>
    </message>
    <message>
        <source>Germany – Saxony-Anhalt</source>
        <translation>Deutschland – Sachsen-Anhalt</translation>
    </message>
    <message>
        <source>Germany – Schleswig-Holstein</source>
        <translation>Deutschland – Schleswig-Holstein</translation>
    </message>
    <message>
        <source>Germany – Thuringia</source>
        <translation>Deutschland – Thüringen</translation>
    </message>
    <message>
        <source>Austria</source>
        <translation>Österreich</translation>
    </message>
    <message>
        <source>France</source>
        <translation>Frankreich</translation>
    </message>
    <message>
        <source>France – Alsace-Moselle</source>
        <translation>Frankreich – Elsass-Mosel</translation>
    </message>
    <message>
        <source>%1 (observed)</source>
        <translation>%1 (Ersatztag)</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1, public holiday: %2</source>
        <translation>%1, Feiertag: %2</translation>
    </message>
    <message>
        <source>Public holiday: %1</source>
        <translation>Feiertag: %1</translation>
    </message>
    <message>
        <source>Holidays on duty: %1 in %2, %3 in %4</source>
        <translation>Feiertage im Dienst: %1 im %2, %3 im Jahr %4</translation>
    </message>
    <message>
        <source>%1 is no iCalendar file of holidays.</source>
        <translation>%1 ist keine iCalendar-Datei mit Feiertagen.</translation>
    </message>
    <message>
        <source>Anniversary of the Uprising of 17 June 1953</source>
        <translation>Jahrestag des Aufstandes vom 17. Juni 1953</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>und %n weiteres</numerusform>
            <numerusform>und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 asks for more days than a calendar of holidays holds; not every repetition of these events is marked: %2.</source>
        <extracomment>The file, then the names of its events, as &quot;Founders&apos; Day, Town fair&quot;.</extracomment>
        <translation>%1 verlangt mehr Tage, als ein Feiertagskalender fasst; nicht jede Wiederholung dieser Termine ist markiert: %2.</translation>
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
        <translation>Dienstkalender</translation>
    </message>
    <message>
        <source>See at a glance whether your crew is on duty</source>
        <translation>Auf einen Blick sehen, ob Ihre Dienstgruppe Dienst hat</translation>
    </message>
    <message>
        <source>duty;rotation;roster;shift;crew;calendar;schedule;</source>
        <translation>Dienst;Dienstplan;Turnus;Schicht;Schichtplan;Dienstgruppe;Wache;Kalender;</translation>
    </message>
    <message>
        <source>Dutyloop is a duty-rotation calendar for the crews of an agency that work a fixed 196-day rotation. Pick your crew&apos;s assignment and every day of the month shows at a glance whether your crew is on duty or off.</source>
        <translation>Dutyloop ist ein Dienstkalender für die Dienstgruppen einer Behörde, die nach einem festen Dienstplan von 196 Tagen arbeiten. Wählen Sie Ihre Dienstgruppe, und jeder Tag des Monats zeigt auf einen Blick, ob sie Dienst hat oder dienstfrei ist.</translation>
    </message>
    <message>
        <source>Move through the months with the keyboard or the buttons, jump back to today, and choose whether weeks start on Monday and which colours mark work days, off-duty days and the neighbouring months&apos; days. The settings are kept for the next start.</source>
        <translation>Blättern Sie mit der Tastatur oder den Schaltflächen durch die Monate, springen Sie zurück zu heute und legen Sie fest, ob die Woche am Montag beginnt und welche Farben Diensttage, dienstfreie Tage und die Tage der Nachbarmonate kennzeichnen. Die Einstellungen bleiben für den nächsten Start erhalten.</translation>
    </message>
    <message>
        <source>A month of a crew&apos;s rotation: work days in blue, days off in grey</source>
        <translation>Ein Monat im Dienstplan einer Dienstgruppe: Diensttage in Blau, dienstfreie Tage in Grau</translation>
    </message>
    <message>
        <source>Choosing the crew, the first day of the week and the colours</source>
        <translation>Dienstgruppe, Wochenbeginn und Farben wählen</translation>
    </message>
    <message>
        <source>Days changed by hand (leave, sickness, swaps, extra duty and notes), export of a crew&apos;s duty days to an iCalendar file, the duty year printed on one page or saved as PDF, German and French, and a month grid that screen readers read day by day.</source>
        <translation>Von Hand geänderte Tage (Urlaub, Krankheit, Diensttausch, Zusatzdienst und Notizen), Export der Diensttage einer Dienstgruppe in eine iCalendar-Datei, das Dienstjahr auf einer Seite gedruckt oder als PDF gespeichert, Deutsch und Französisch und ein Monatsraster, das Bildschirmleser Tag für Tag vorlesen.</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Back to the calendar</source>
        <translation>Zurück zum Kalender</translation>
    </message>
</context>
<context>
    <name>Publishing</name>
    <message>
        <source>The calendar&apos;s address must be a web address, starting with https or http.</source>
        <translation>Die Adresse des Kalenders muss eine Webadresse sein, die mit https oder http beginnt.</translation>
    </message>
    <message>
        <source>The folder must be given as a full path.</source>
        <translation>Der Ordner muss als vollständiger Pfad angegeben werden.</translation>
    </message>
    <message>
        <source>No place to publish is set.</source>
        <translation>Es ist kein Ort zum Veröffentlichen festgelegt.</translation>
    </message>
    <message>
        <source>Unable to make %1: %2</source>
        <translation>%1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>Unable to delete %1</source>
        <translation>%1 kann nicht gelöscht werden</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 ist keine Datei</translation>
    </message>
    <message>
        <source>%1 must be yours and neither readable nor writable by others (chmod 600)</source>
        <translation>%1 muss Ihnen gehören und darf für andere weder lesbar noch schreibbar sein (chmod 600)</translation>
    </message>
    <message>
        <source>no password is saved for %1; publish once from the window, or give --password-file</source>
        <translation>für %1 ist kein Passwort gespeichert; veröffentlichen Sie einmal aus dem Fenster oder geben Sie --password-file an</translation>
    </message>
    <message>
        <source>the secret store did not answer: %1</source>
        <translation>der Schlüsselbund hat nicht geantwortet: %1</translation>
    </message>
    <message>
        <source>no place to publish is set; choose one with Publish… on the Settings tab</source>
        <translation>es ist kein Ort zum Veröffentlichen festgelegt; wählen Sie einen mit „Veröffentlichen…“ auf der Registerkarte „Einstellungen“</translation>
    </message>
    <message>
        <source>Published just now</source>
        <translation>Gerade veröffentlicht</translation>
    </message>
    <message numerus="yes">
        <source>Published %n minutes ago</source>
        <translation>
            <numerusform>Vor %n Minute veröffentlicht</numerusform>
            <numerusform>Vor %n Minuten veröffentlicht</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Published %n hours ago</source>
        <translation>
            <numerusform>Vor %n Stunde veröffentlicht</numerusform>
            <numerusform>Vor %n Stunden veröffentlicht</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Published %n days ago</source>
        <translation>
            <numerusform>Vor %n Tag veröffentlicht</numerusform>
            <numerusform>Vor %n Tagen veröffentlicht</numerusform>
        </translation>
    </message>
    <message>
        <source>no usable place to publish</source>
        <translation>kein verwendbarer Ort zum Veröffentlichen</translation>
    </message>
    <message>
        <source>server unreachable</source>
        <translation>Server nicht erreichbar</translation>
    </message>
    <message>
        <source>the server did not answer in time</source>
        <translation>der Server hat nicht rechtzeitig geantwortet</translation>
    </message>
    <message>
        <source>wrong user name or password</source>
        <translation>falscher Benutzername oder falsches Passwort</translation>
    </message>
    <message>
        <source>the server refused access</source>
        <translation>der Server hat den Zugriff verweigert</translation>
    </message>
    <message>
        <source>no calendar at this address</source>
        <translation>unter dieser Adresse ist kein Kalender</translation>
    </message>
    <message>
        <source>server error</source>
        <translation>Serverfehler</translation>
    </message>
    <message>
        <source>the server&apos;s answer cannot be read</source>
        <translation>die Antwort des Servers ist nicht lesbar</translation>
    </message>
    <message>
        <source>the server&apos;s certificate is not trusted</source>
        <translation>dem Zertifikat des Servers wird nicht vertraut</translation>
    </message>
    <message>
        <source>the folder cannot be written</source>
        <translation>in den Ordner kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Not published</source>
        <translation>Nicht veröffentlicht</translation>
    </message>
    <message>
        <source>Publishing…</source>
        <translation>Wird veröffentlicht…</translation>
    </message>
    <message numerus="yes">
        <source>%n changes waiting</source>
        <translation>
            <numerusform>%n Änderung wartet</numerusform>
            <numerusform>%n Änderungen warten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changes waiting: %1</source>
        <extracomment>The changes waiting, then why: &quot;3 changes waiting: server unreachable&quot;.</extracomment>
        <translation>
            <numerusform>%n Änderung wartet: %1</numerusform>
            <numerusform>%n Änderungen warten: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%L1 created, %L2 updated, %L3 deleted on %4</source>
        <extracomment>What one publishing run did: events created, updated and deleted, and where.</extracomment>
        <translation>%L1 angelegt, %L2 geändert, %L3 gelöscht in %4</translation>
    </message>
    <message>
        <source>SHA-256 fingerprint %1</source>
        <extracomment>The certificate&apos;s fingerprint, to compare with the one the server&apos;s owner gives.</extracomment>
        <translation>SHA-256-Fingerabdruck %1</translation>
    </message>
    <message>
        <source>no password given</source>
        <translation>kein Passwort angegeben</translation>
    </message>
    <message>
        <source>its elements nest deeper than %L1 levels</source>
        <translation>ihre Elemente sind tiefer als %L1 Ebenen verschachtelt</translation>
    </message>
    <message>
        <source>no multistatus answer</source>
        <translation>keine Multistatus-Antwort</translation>
    </message>
    <message>
        <source>the answer is larger than %L1 MiB</source>
        <translation>die Antwort ist größer als %L1 MiB</translation>
    </message>
    <message numerus="yes">
        <source>redirected more than %n times</source>
        <translation>
            <numerusform>mehr als %n Mal umgeleitet</numerusform>
            <numerusform>mehr als %n Mal umgeleitet</numerusform>
        </translation>
    </message>
    <message>
        <source>The server moved the calendar to %1; change the address in Publish… if you trust it.</source>
        <translation>Der Server hat den Kalender nach %1 verschoben; ändern Sie die Adresse unter Veröffentlichen…, wenn Sie ihm vertrauen.</translation>
    </message>
    <message numerus="yes">
        <source>The server named %n resources outside the calendar; they were left alone.</source>
        <extracomment>Resources a server&apos;s answer named outside the calendar collection, never touched.</extracomment>
        <translation>
            <numerusform>Der Server nannte %n Eintrag außerhalb des Kalenders; er blieb unberührt.</numerusform>
            <numerusform>Der Server nannte %n Einträge außerhalb des Kalenders; sie blieben unberührt.</numerusform>
        </translation>
    </message>
    <message>
        <source>the server moved the calendar to another address</source>
        <translation>der Server hat den Kalender an eine andere Adresse verschoben</translation>
    </message>
    <message>
        <source>what was published cannot be recorded</source>
        <translation>das Veröffentlichte kann nicht festgehalten werden</translation>
    </message>
    <message>
        <source>%1 is not encrypted: the password would travel in clear. Use an https:// address, or allow this one once in Publish…</source>
        <translation>%1 ist nicht verschlüsselt: Das Passwort würde im Klartext übertragen. Verwenden Sie eine https://-Adresse, oder erlauben Sie diese einmal unter Veröffentlichen…</translation>
    </message>
    <message>
        <source>the address is not encrypted</source>
        <translation>die Adresse ist nicht verschlüsselt</translation>
    </message>
</context>
<context>
    <name>Reminder</name>
    <message>
        <source>Duty today, %1</source>
        <extracomment>A desktop notification; %1 is the crew.</extracomment>
        <translation>Heute Dienst, %1</translation>
    </message>
    <message>
        <source>Duty tomorrow, %1</source>
        <extracomment>A desktop notification; %1 is the crew.</extracomment>
        <translation>Morgen Dienst, %1</translation>
    </message>
    <message>
        <source>Duty on %1, %2</source>
        <extracomment>A desktop notification; %1 is the date, %2 the crew.</extracomment>
        <translation>Dienst am %1, %2</translation>
    </message>
    <message>
        <source>Duty at %1 today, %2</source>
        <extracomment>A desktop notification; %1 is the time the duty starts, %2 the crew.</extracomment>
        <translation>Heute um %1 Dienst, %2</translation>
    </message>
    <message>
        <source>Duty at %1 tomorrow, %2</source>
        <extracomment>A desktop notification; %1 is the time the duty starts, %2 the crew.</extracomment>
        <translation>Morgen um %1 Dienst, %2</translation>
    </message>
    <message>
        <source>Duty at %1 on %2, %3</source>
        <extracomment>A desktop notification; %1 is the time the duty starts, %2 its date, %3 the crew.</extracomment>
        <translation>Dienst am %2 um %1, %3</translation>
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
        <translation>Diensttag</translation>
    </message>
    <message>
        <source>Off day</source>
        <translation>Dienstfreier Tag</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Work days on leave: %1</source>
        <translation>Diensttage im Urlaub: %1</translation>
    </message>
    <message>
        <source>Changed day</source>
        <translation>Geänderter Tag</translation>
    </message>
    <message>
        <source>The year: %1, %2</source>
        <extracomment>The year&apos;s days: &quot;157 work days&quot; and &quot;208 off&quot;.</extracomment>
        <translation>Im ganzen Jahr: %1, %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>No public holiday on duty</source>
        <translation>Kein Feiertag im Dienst</translation>
    </message>
    <message>
        <source>Public holidays on duty: %1</source>
        <translation>Feiertage im Dienst: %1</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Public holiday</source>
        <translation>Feiertag</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>The legend of a work day with the crew&apos;s hours: &quot;Work day, 07:00 – 07:00 next day&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Hours on duty: %1</source>
        <translation>Dienststunden: %1</translation>
    </message>
    <message>
        <source>Hours taken as leave or sick: %1</source>
        <translation>Stunden in Urlaub oder Krankheit: %1</translation>
    </message>
</context>
<context>
    <name>dutyloop::AboutPage</name>
    <message>
        <source>email: %1</source>
        <translation>E-Mail: %1</translation>
    </message>
    <message>
        <source>Support web page</source>
        <translation>Support-Webseite</translation>
    </message>
    <message>
        <source>Email to support</source>
        <translation>E-Mail an den Support</translation>
    </message>
    <message>
        <source>Dutyloop for Tornvale v%1

Copyright © 2014-2026 Halvorne
Dutyloop is a trademark of Halvorne
All rights reserved
%2

Linux Desktop Version</source>
        <translation>Dutyloop für Tornvale v%1

Copyright © 2014-2026 Halvorne
Dutyloop ist eine Marke von Halvorne
Alle Rechte vorbehalten
%2

Version für den Linux-Desktop</translation>
    </message>
</context>
<context>
    <name>dutyloop::CalendarPage</name>
    <message>
        <source>Previous month</source>
        <translation>Vorheriger Monat</translation>
    </message>
    <message>
        <source>Previous month (Page Up)</source>
        <translation>Vorheriger Monat (Bild auf)</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Nächster Monat</translation>
    </message>
    <message>
        <source>Next month (Page Down)</source>
        <translation>Nächster Monat (Bild ab)</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Go to today (Home)</source>
        <translation>Zu heute springen (Pos1)</translation>
    </message>
    <message>
        <source>Pick a date</source>
        <translation>Datum wählen</translation>
    </message>
    <message>
        <source>Pick a date: %1</source>
        <translation>Datum wählen: %1</translation>
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
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>Dienst</translation>
    </message>
    <message>
        <source>Work day colour</source>
        <translation>Farbe der Diensttage</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Frei</translation>
    </message>
    <message>
        <source>Off-duty colour</source>
        <translation>Farbe der dienstfreien Tage</translation>
    </message>
    <message>
        <source>Ld/Tr</source>
        <translation>Nachbarn</translation>
    </message>
    <message>
        <source>Leading and trailing days colour</source>
        <translation>Farbe der Tage der Nachbarmonate</translation>
    </message>
    <message>
        <source>BkGr</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Background colour</source>
        <translation>Hintergrundfarbe</translation>
    </message>
</context>
<context>
    <name>dutyloop::CrewGroup</name>
    <message>
        <source>Assignment</source>
        <translation>Dienstgruppe</translation>
    </message>
    <message>
        <source>Start Monday</source>
        <translation>Woche beginnt am Montag</translation>
    </message>
    <message>
        <source>Start weeks on Monday</source>
        <translation>Woche beginnt am Montag</translation>
    </message>
</context>
<context>
    <name>dutyloop::DateField</name>
    <message>
        <source>Not a date: type it as %1 or as %2.</source>
        <translation>Kein Datum: Geben Sie es als %1 oder als %2 ein.</translation>
    </message>
</context>
<context>
    <name>dutyloop::DayDialog</name>
    <message>
        <source>As rostered</source>
        <translation>Wie im Dienstplan</translation>
    </message>
    <message>
        <source>Leave</source>
        <translation>Urlaub</translation>
    </message>
    <message>
        <source>Sick</source>
        <translation>Krankheit</translation>
    </message>
    <message>
        <source>Swapped off (off duty on a work day)</source>
        <translation>Dienst getauscht (frei an einem Diensttag)</translation>
    </message>
    <message>
        <source>Extra duty (on duty on a day off)</source>
        <translation>Zusatzdienst (Dienst an einem dienstfreien Tag)</translation>
    </message>
    <message>
        <source>%1: work day</source>
        <translation>%1: Diensttag</translation>
    </message>
    <message>
        <source>%1: off duty</source>
        <translation>%1: dienstfrei</translation>
    </message>
    <message>
        <source>%1: no rotation</source>
        <translation>%1: kein Dienstplan</translation>
    </message>
    <message>
        <source>No change can be made before the rotation starts.</source>
        <translation>Vor Beginn des Dienstplans lässt sich nichts ändern.</translation>
    </message>
    <message>
        <source>Leave and sickness fit any day; a swap only a work day, extra duty only a day off.</source>
        <translation>Urlaub und Krankheit passen auf jeden Tag, ein Diensttausch nur auf einen Diensttag, ein Zusatzdienst nur auf einen dienstfreien Tag.</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Remove change</source>
        <translation>Änderung entfernen</translation>
    </message>
    <message>
        <source>No change can be made under %1, which follows no crew&apos;s rotation.</source>
        <translation>Unter %1 kann nichts geändert werden, da dort kein Dienstplan einer Dienstgruppe gilt.</translation>
    </message>
    <message>
        <source>%1: work day, %2</source>
        <translation>%1: Diensttag, %2</translation>
    </message>
</context>
<context>
    <name>dutyloop::DutyHoursGroup</name>
    <message>
        <source>Duty starts</source>
        <translation>Dienstbeginn</translation>
    </message>
    <message>
        <source>Duty length</source>
        <translation>Dienstdauer</translation>
    </message>
    <message>
        <source>All day</source>
        <translation>Ganztägig</translation>
    </message>
    <message>
        <source> h</source>
        <extracomment>After a duty&apos;s length in hours, as in &quot;24 h&quot;.</extracomment>
        <translation> Std.</translation>
    </message>
    <message>
        <source>Remind me</source>
        <translation>Erinnern</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>15 minutes before</source>
        <translation>15 Minuten vorher</translation>
    </message>
    <message>
        <source>1 hour before</source>
        <translation>1 Stunde vorher</translation>
    </message>
    <message>
        <source>2 hours before</source>
        <translation>2 Stunden vorher</translation>
    </message>
    <message>
        <source>The evening before</source>
        <translation>Am Vorabend</translation>
    </message>
    <message>
        <source>Remind me of duty</source>
        <translation>An den Dienst erinnern</translation>
    </message>
    <message>
        <source>In the evening at</source>
        <translation>Am Vorabend um</translation>
    </message>
    <message>
        <source>Evening reminder at</source>
        <translation>Erinnerung am Vorabend um</translation>
    </message>
    <message>
        <source>Duty of %1 starts at</source>
        <translation>Dienstbeginn von %1</translation>
    </message>
    <message>
        <source>Duty of %1 lasts, in hours</source>
        <translation>Dienstdauer von %1 in Stunden</translation>
    </message>
    <message>
        <source>A duty all day has no start; give it a length to set when it starts.</source>
        <translation>Ein ganztägiger Dienst hat keinen Beginn; geben Sie ihm eine Dauer, um seinen Beginn festzulegen.</translation>
    </message>
</context>
<context>
    <name>dutyloop::DutyPublishing</name>
    <message>
        <source>no answer</source>
        <translation>keine Antwort</translation>
    </message>
</context>
<context>
    <name>dutyloop::ExportDialog</name>
    <message>
        <source>Export Duty Calendar</source>
        <translation>Dienstkalender exportieren</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ist bereits vorhanden.
Soll die Datei ersetzt werden?</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>iCalendar-Dateien (*.ics)</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Durchsuchen…</translation>
    </message>
    <message>
        <source>Assignment:</source>
        <translation>Dienstgruppe:</translation>
    </message>
    <message>
        <source>First month:</source>
        <translation>Erster Monat:</translation>
    </message>
    <message>
        <source>Months:</source>
        <translation>Anzahl Monate:</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Datei:</translation>
    </message>
    <message>
        <source>Choose the file</source>
        <translation>Datei auswählen</translation>
    </message>
    <message numerus="yes">
        <source>%n duty periods written to %1</source>
        <translation>
            <numerusform>%n Dienstzeitraum in %1 geschrieben</numerusform>
            <numerusform>%n Dienstzeiträume in %1 geschrieben</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>dutyloop::FilesGroup</name>
    <message>
        <source>Export…</source>
        <translation>Exportieren…</translation>
    </message>
    <message>
        <source>Export duty days to a calendar file</source>
        <translation>Diensttage in eine Kalenderdatei exportieren</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Drucken…</translation>
    </message>
    <message>
        <source>Print a crew&apos;s duty year or save it as PDF</source>
        <translation>Das Dienstjahr einer Dienstgruppe drucken oder als PDF speichern</translation>
    </message>
    <message>
        <source>Publish…</source>
        <translation>Veröffentlichen…</translation>
    </message>
    <message>
        <source>Publish the duty to your own calendar and keep it current</source>
        <translation>Dienst im eigenen Kalender veröffentlichen und aktuell halten</translation>
    </message>
</context>
<context>
    <name>dutyloop::HelpPage</name>
    <message>
        <source>How the Settings tab works</source>
        <translation>So funktioniert die Registerkarte „Einstellungen“</translation>
    </message>
    <message>
        <source>First day of week</source>
        <translation>Wochenbeginn</translation>
    </message>
    <message>
        <source>Shift Assignment</source>
        <translation>Dienstgruppe</translation>
    </message>
    <message>
        <source>Shift Colors</source>
        <translation>Farben der Tage</translation>
    </message>
    <message>
        <source>Leading / Trailing</source>
        <translation>Nachbarmonate</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>A picture of the Settings tab, with notes on its controls.</source>
        <translation>Ein Bild der Registerkarte „Einstellungen“ mit Hinweisen zu ihren Bedienelementen.</translation>
    </message>
    <message>
        <source>%1: the list “%2”.</source>
        <translation>%1: die Liste „%2“.</translation>
    </message>
    <message>
        <source>%1: the switch “%2”.</source>
        <translation>%1: der Schalter „%2“.</translation>
    </message>
    <message>
        <source>%1: the buttons “%2” and “%3”.</source>
        <translation>%1: die Schaltflächen „%2“ und „%3“.</translation>
    </message>
    <message>
        <source>%1: the button “%2”.</source>
        <translation>%1: die Schaltfläche „%2“.</translation>
    </message>
    <message>
        <source>Your Own Calendar</source>
        <translation>Eigener Kalender</translation>
    </message>
    <message>
        <source>At the top is the button “%1”, at the bottom the buttons “%2”, “%3” and “%4”.</source>
        <translation>Oben steht die Schaltfläche „%1“, unten stehen die Schaltflächen „%2“, „%3“ und „%4“.</translation>
    </message>
    <message>
        <source>%1: the button “%2”, which keeps the chosen crew&apos;s duty current in a calendar on your own server or in a folder that calendar programs read.</source>
        <translation>%1: die Schaltfläche „%2“, die den Dienst der gewählten Dienstgruppe in einem Kalender auf Ihrem eigenen Server oder in einem Ordner, den Kalenderprogramme lesen, aktuell hält.</translation>
    </message>
</context>
<context>
    <name>dutyloop::HolidaysGroup</name>
    <message>
        <source>Holidays</source>
        <translation>Feiertage</translation>
    </message>
    <message>
        <source>From a file…</source>
        <translation>Aus einer Datei…</translation>
    </message>
    <message>
        <source>Public holidays</source>
        <translation>Gesetzliche Feiertage</translation>
    </message>
</context>
<context>
    <name>dutyloop::MainWindow</name>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
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
        <source>%1
Your own days cannot be shown or changed until it can be read.</source>
        <translation>%1
Ihre eigenen Tage können erst angezeigt oder geändert werden, wenn die Datei lesbar ist.</translation>
    </message>
    <message>
        <source>Settings saved</source>
        <translation>Einstellungen gespeichert</translation>
    </message>
    <message>
        <source>Unsaved Settings</source>
        <translation>Nicht gespeicherte Einstellungen</translation>
    </message>
    <message>
        <source>The settings have been changed but not saved.
Save them before closing?</source>
        <translation>Die Einstellungen wurden geändert, aber nicht gespeichert.
Vor dem Schließen speichern?</translation>
    </message>
</context>
<context>
    <name>dutyloop::MonthView</name>
    <message>
        <source>Change day…</source>
        <translation>Tag ändern…</translation>
    </message>
</context>
<context>
    <name>dutyloop::PrintDialog</name>
    <message>
        <source>Print Duty Year</source>
        <translation>Dienstjahr drucken</translation>
    </message>
    <message>
        <source>Preview…</source>
        <translation>Vorschau…</translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation>Als PDF speichern…</translation>
    </message>
    <message>
        <source>Crew:</source>
        <translation>Dienstgruppe:</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Jahr:</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Duty year saved as %1</source>
        <translation>Dienstjahr gespeichert als %1</translation>
    </message>
</context>
<context>
    <name>dutyloop::PublishDialog</name>
    <message>
        <source>Publish Duty Calendar</source>
        <translation>Dienstkalender veröffentlichen</translation>
    </message>
    <message>
        <source>Publish the duty to</source>
        <translation>Wohin der Dienst veröffentlicht wird</translation>
    </message>
    <message>
        <source>&amp;Not published</source>
        <translation>&amp;Nicht veröffentlicht</translation>
    </message>
    <message>
        <source>A Cal&amp;DAV calendar on a server</source>
        <translation>Ein Cal&amp;DAV-Kalender auf einem Server</translation>
    </message>
    <message>
        <source>A &amp;folder, one file per event</source>
        <translation>Ein Ordn&amp;er, eine Datei je Termin</translation>
    </message>
    <message>
        <source>UR&amp;L:</source>
        <translation>UR&amp;L:</translation>
    </message>
    <message>
        <source>U&amp;ser name:</source>
        <translation>Ben&amp;utzername:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Passwort:</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>Durc&amp;hsuchen…</translation>
    </message>
    <message>
        <source>Choose the folder</source>
        <translation>Ordner wählen</translation>
    </message>
    <message>
        <source>Folde&amp;r:</source>
        <translation>Ordne&amp;r:</translation>
    </message>
    <message>
        <source>Months published, from this month on</source>
        <translation>Veröffentlichte Monate ab diesem Monat</translation>
    </message>
    <message>
        <source>from this month on</source>
        <translation>ab diesem Monat</translation>
    </message>
    <message>
        <source>&amp;Months:</source>
        <translation>&amp;Monate:</translation>
    </message>
    <message>
        <source>Folder for the Duty</source>
        <translation>Ordner für den Dienst</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>keine Antwort</translation>
    </message>
    <message>
        <source>No secret store answered (%1), so the password is kept until Dutyloop closes and asked for again at its next start.</source>
        <translation>Kein Schlüsselbund hat geantwortet (%1); das Passwort bleibt daher nur bis zum Beenden von Dutyloop erhalten und wird beim nächsten Start erneut abgefragt.</translation>
    </message>
    <message>
        <source>Enter the calendar&apos;s URL.</source>
        <translation>Geben Sie die URL des Kalenders ein.</translation>
    </message>
    <message>
        <source>The URL must start with https:// or http:// and name a server, with no password in it.</source>
        <translation>Die URL muss mit https:// oder http:// beginnen und einen Server nennen, ohne ein Passwort darin.</translation>
    </message>
    <message>
        <source>Choose the folder.</source>
        <translation>Wählen Sie den Ordner.</translation>
    </message>
    <message>
        <source>Enter the folder&apos;s whole path, starting with / or ~.</source>
        <translation>Geben Sie den vollständigen Pfad des Ordners ein, beginnend mit / oder ~.</translation>
    </message>
    <message>
        <source>Unencrypted Address</source>
        <translation>Unverschlüsselte Adresse</translation>
    </message>
    <message>
        <source>%1 is not encrypted: the user name, the password and the duty would travel in clear, and anyone on the network on the way could read them.

Use an https:// address where the server has one. Send the password unencrypted to this address?</source>
        <translation>%1 ist nicht verschlüsselt: Benutzername, Passwort und Dienstplan würden im Klartext übertragen, und jeder im Netz auf dem Weg könnte sie lesen.

Verwenden Sie eine https://-Adresse, wo der Server eine hat. Das Passwort unverschlüsselt an diese Adresse senden?</translation>
    </message>
    <message>
        <source>Send Unencrypted</source>
        <translation>Unverschlüsselt senden</translation>
    </message>
</context>
<context>
    <name>dutyloop::PublishStateRow</name>
    <message>
        <source>Enter Password…</source>
        <translation>Passwort eingeben…</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Erneut versuchen</translation>
    </message>
</context>
<context>
    <name>dutyloop::PublishingFlow</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The secret store did not keep the password: %1
It is kept until Dutyloop closes.</source>
        <translation>Der Schlüsselbund hat das Passwort nicht behalten: %1
Es bleibt bis zum Beenden von Dutyloop erhalten.</translation>
    </message>
    <message>
        <source>%1
Changes not yet saved are published once saved.</source>
        <translation>%1
Noch nicht gespeicherte Änderungen werden nach dem Speichern veröffentlicht.</translation>
    </message>
    <message>
        <source>Publish Duty Calendar</source>
        <translation>Dienstkalender veröffentlichen</translation>
    </message>
    <message>
        <source>The server refused the user name or password for %1.
The duty waits until the server takes the password.</source>
        <translation>Der Server hat den Benutzernamen oder das Passwort für %1 abgelehnt.
Die Veröffentlichung des Dienstes wartet, bis der Server das Passwort annimmt.</translation>
    </message>
    <message>
        <source>Enter Password…</source>
        <translation>Passwort eingeben…</translation>
    </message>
    <message>
        <source>Untrusted Certificate</source>
        <translation>Nicht vertrauenswürdiges Zertifikat</translation>
    </message>
    <message>
        <source>The certificate of %1 cannot be verified, so Dutyloop cannot tell whether the server is the one you mean.

Its SHA-256 fingerprint is:
%2

Accept it only where it is the fingerprint that the server&apos;s owner gives.</source>
        <translation>Das Zertifikat von %1 lässt sich nicht überprüfen; Dutyloop kann daher nicht feststellen, ob der Server der gemeinte ist.

Sein SHA-256-Fingerabdruck lautet:
%2

Akzeptieren Sie es nur, wenn es der Fingerabdruck ist, den der Betreiber des Servers angibt.</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Akzeptieren</translation>
    </message>
</context>
<context>
    <name>dutyloop::SettingsPage</name>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
</context>
<context>
    <name>dutyloop::ShownHolidays</name>
    <message>
        <source>Calendar of Holidays</source>
        <translation>Feiertagskalender</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>iCalendar-Dateien (*.ics)</translation>
    </message>
</context>
</TS>
