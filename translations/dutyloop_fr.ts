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
        <translation>S</translation>
    </message>
    <message>
        <source>Legend: work days</source>
        <translation>Légende&#xa0;: jours de service</translation>
    </message>
    <message>
        <source>OD</source>
        <translation>R</translation>
    </message>
    <message>
        <source>Legend: off-duty days</source>
        <translation>Légende&#xa0;: jours de repos</translation>
    </message>
    <message>
        <source>Selected day</source>
        <translation>Jour choisi</translation>
    </message>
    <message>
        <source>Selected day: %1</source>
        <translation>Jour choisi&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 %2: %3 work days, %4 off</source>
        <translation>%1 %2 : %3 jours de service, %4 de repos</translation>
    </message>
    <message>
        <source>%1 to %2 %3: %4 work days, %5 off</source>
        <translation>%1 à %2 %3 : %4 jours de service, %5 de repos</translation>
    </message>
    <message>
        <source>Leave</source>
        <translation>Congé</translation>
    </message>
    <message>
        <source>Sick</source>
        <translation>Malade</translation>
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
    <message>
        <source>Today, %1</source>
        <translation>Aujourd’hui, %1</translation>
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
        <translation>%1 : %2
Essayez « %1 --help ».
</translation>
    </message>
    <message>
        <source>%1: unexpected argument &apos;%2&apos;
Try &apos;%1 --help&apos;.
</source>
        <translation>%1 : argument inattendu « %2 »
Essayez « %1 --help ».
</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a valid date; write it as YYYY-MM-DD
</source>
        <translation>%1 : « %2 » n’est pas une date valide ; écrivez-la AAAA-MM-JJ
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
Essayez « dutyloop --help ».</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a year from %2 to %3</source>
        <translation>« %1 » n’est pas une année de %2 à %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a crew; the crews are %2</source>
        <translation>« %1 » n’est pas une équipe ; les équipes sont %2</translation>
    </message>
    <message>
        <source>--output needs a file name</source>
        <translation>--output demande un nom de fichier</translation>
    </message>
    <message>
        <source>Writes the duty year &lt;year&gt; of a crew as a one-page PDF and exits.</source>
        <translation>Écrit l’année de service &lt;année&gt; d’une équipe en PDF d’une page et se termine.</translation>
    </message>
    <message>
        <source>year</source>
        <translation>année</translation>
    </message>
    <message>
        <source>The crew to print, as &quot;5 TFS&quot; or its digit alone.</source>
        <translation>L’équipe à imprimer, comme « 5 TFS » ou son seul chiffre.</translation>
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
        <translation>--crew et --output vont avec --print-year
Essayez « dutyloop --help ».</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a date from %3 to %4
</source>
        <translation>%1&#xa0;: « %2 » n’est pas une date entre le %3 et le %4
</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Unable to write to %1.</source>
        <translation>Impossible d’écrire dans %1.</translation>
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
        <source>The holidays&apos; calendar %1 cannot be read.</source>
        <translation>Le calendrier des jours fériés %1 ne peut pas être lu.</translation>
    </message>
    <message>
        <source>%1 is no iCalendar file of holidays.</source>
        <translation>%1 n’est pas un fichier iCalendar de jours fériés.</translation>
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
    <name>YearPage</name>
    <message>
        <source>%1 work days</source>
        <translation>%1 jours de service</translation>
    </message>
    <message>
        <source>Dutyloop – %1 – %2</source>
        <translation>Dutyloop – %1 – %2</translation>
    </message>
    <message>
        <source>The year: %1 work days, %2 off</source>
        <translation>L’année : %1 jours de service, %2 de repos</translation>
    </message>
    <message>
        <source>Work day</source>
        <translation>Service</translation>
    </message>
    <message>
        <source>Off day</source>
        <translation>Repos</translation>
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
        <translation>Choisir une date : %1</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <comment>the month shown, then the day chosen</comment>
        <translation>%1. %2</translation>
    </message>
</context>
<context>
    <name>dutyloop::DayDialog</name>
    <message>
        <source>As rostered</source>
        <translation>Selon l’affectation</translation>
    </message>
    <message>
        <source>Leave</source>
        <translation>Congé</translation>
    </message>
    <message>
        <source>Sick</source>
        <translation>Malade</translation>
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
        <translation>Aucune modification possible avant le début du roulement.</translation>
    </message>
    <message>
        <source>Leave and sickness fit any day; a swap only a work day, extra duty only a day off.</source>
        <translation>Congé et maladie vont avec tout jour&#xa0;; un échange seulement avec un jour de service, un service supplémentaire seulement avec un jour de repos.</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Remove change</source>
        <translation>Supprimer la modification</translation>
    </message>
</context>
<context>
    <name>dutyloop::EqualTabWidget</name>
    <message>
        <source>%1 tab</source>
        <translation>Onglet %1</translation>
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
Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>Fichiers iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Choisir…</translation>
    </message>
    <message>
        <source>Assignment:</source>
        <translation>Affectation&#xa0;:</translation>
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
</context>
<context>
    <name>dutyloop::HelpPage</name>
    <message>
        <source>How the Settings tab works</source>
        <translation>Fonctionnement de l’onglet Réglages</translation>
    </message>
    <message>
        <source>First day of week</source>
        <translation>Début de semaine</translation>
    </message>
    <message>
        <source>Shift Assignment</source>
        <translation>Choisir l’affectation</translation>
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
        <translation>Une image de l’onglet Réglages, avec des notes sur ses commandes.</translation>
    </message>
    <message>
        <source>%1: the list “%2”.</source>
        <translation>%1 : la liste « %2 ».</translation>
    </message>
    <message>
        <source>%1: the switch “%2”.</source>
        <translation>%1 : l’interrupteur « %2 ».</translation>
    </message>
    <message>
        <source>%1: the buttons “%2” and “%3”.</source>
        <translation>%1 : les boutons « %2 » et « %3 ».</translation>
    </message>
    <message>
        <source>%1: the button “%2”.</source>
        <translation>%1 : le bouton « %2 ».</translation>
    </message>
    <message>
        <source>At the top is the button “%1”, at the bottom the buttons “%2” and “%3”.</source>
        <translation>En haut se trouve le bouton « %1 », en bas les boutons « %2 » et « %3 ».</translation>
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
        <translation>Réglages</translation>
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
    <message>
        <source>Settings saved</source>
        <translation>Réglages enregistrés</translation>
    </message>
    <message>
        <source>Calendar of Holidays</source>
        <translation>Calendrier des jours fériés</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>Fichiers iCalendar (*.ics)</translation>
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
        <translation>Équipe :</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Année :</translation>
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
    <name>dutyloop::SettingsPage</name>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Assignment</source>
        <translation>Affectation</translation>
    </message>
    <message>
        <source>Start Monday</source>
        <translation>Lundi en tête</translation>
    </message>
    <message>
        <source>Start weeks on Monday</source>
        <translation>Commencer les semaines le lundi</translation>
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
        <translation>Autres</translation>
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
        <source>%1: %2</source>
        <comment>what a colour is for, then the colour</comment>
        <translation>%1 : %2</translation>
    </message>
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
</TS>
