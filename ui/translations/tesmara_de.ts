<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Tesmara Accumulator</source>
        <translation>Über Tesmara Accumulator</translation>
    </message>
    <message>
        <source>Tesmara Accumulator</source>
        <translation>Tesmara Accumulator</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Sizing and selection of hydraulic accumulators, gas bottles and their accessories.

Copyright © Dalrow Mestlin.</source>
        <translation>Auslegung und Auswahl von Hydrospeichern, Gasflaschen und ihrem Zubehör.

Copyright © Dalrow Mestlin.</translation>
    </message>
</context>
<context>
    <name>CAccessoryChooseAccumulator</name>
    <message>
        <source>Accessories - Choose Accumulator Type</source>
        <translation>Zubehör - Speicherbauart wählen</translation>
    </message>
    <message>
        <source>Choose Accumulator Type:</source>
        <translation>Speicherbauart wählen:</translation>
    </message>
    <message>
        <source>Choose Size:</source>
        <translation>Größe wählen:</translation>
    </message>
</context>
<context>
    <name>CAccessoryType</name>
    <message>
        <source>Choose Accessory Type</source>
        <translation>Zubehörart wählen</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Accessory picture</source>
        <translation>Bild des Zubehörs</translation>
    </message>
    <message>
        <source>Choose Accessory</source>
        <translation>Zubehör wählen</translation>
    </message>
</context>
<context>
    <name>CAccumulatorChooseModel</name>
    <message>
        <source>Choose Accumulator</source>
        <translation>Speicher wählen</translation>
    </message>
    <message>
        <source>Your Required Accumulator Capacity:</source>
        <translation>Ihr benötigtes Speichervolumen:</translation>
    </message>
    <message>
        <source>Your Required Flow Rate:</source>
        <translation>Ihr benötigter Volumenstrom:</translation>
    </message>
    <message>
        <source>Accumulator models</source>
        <translation>Speichermodelle</translation>
    </message>
    <message>
        <source>Additional Information</source>
        <translation>Weitere Informationen</translation>
    </message>
    <message>
        <source>No accumulator in the catalogue meets this application. Change the application under &quot;Describe Application&quot; and choose the model again.</source>
        <translation>Kein Speicher des Katalogs erfüllt diese Anwendung. Ändern Sie die Anwendung unter „Anwendung beschreiben“ und wählen Sie das Modell erneut.</translation>
    </message>
    <message>
        <source>The models could not be read from the catalogue.</source>
        <translation>Die Modelle konnten nicht aus dem Katalog gelesen werden.</translation>
    </message>
    <message>
        <source>The catalogue is not open, so there are no models to choose from.</source>
        <translation>Der Katalog ist nicht geöffnet, daher gibt es keine Modelle zur Auswahl.</translation>
    </message>
</context>
<context>
    <name>CAuxPowerSource</name>
    <message>
        <source>Auxiliary Power Source</source>
        <translation>Hilfsenergiequelle</translation>
    </message>
    <message>
        <source>Maximum System Pressure:</source>
        <translation>Maximaler Systemdruck:</translation>
    </message>
    <message>
        <source>Minimum System Pressure:</source>
        <translation>Minimaler Systemdruck:</translation>
    </message>
    <message>
        <source>Estimated System Temperature:</source>
        <translation>Geschätzte Systemtemperatur:</translation>
    </message>
    <message>
        <source>Pressure unit</source>
        <translation>Druckeinheit</translation>
    </message>
    <message>
        <source>System Temperature unit</source>
        <translation>Einheit der Systemtemperatur</translation>
    </message>
    <message>
        <source>For a Bladder / Diaphragm Accumulator:</source>
        <translation>Für einen Blasen- / Membranspeicher:</translation>
    </message>
</context>
<context>
    <name>CCadComponent</name>
    <message>
        <source>DXF Drawing (*.dxf)</source>
        <translation>DXF-Zeichnung (*.dxf)</translation>
    </message>
    <message>
        <source>HP-GL Plot File (*.plt)</source>
        <translation>HP-GL-Plotdatei (*.plt)</translation>
    </message>
    <message>
        <source>The CAD drawing cannot be made. %1</source>
        <translation>Die CAD-Zeichnung kann nicht erstellt werden. %1</translation>
    </message>
    <message>
        <source>Choose a file name ending in .dxf, .plt, .svg or .pdf.</source>
        <translation>Wählen Sie einen Dateinamen mit der Endung .dxf, .plt, .svg oder .pdf.</translation>
    </message>
    <message>
        <source>The CAD preferences could not be stored.</source>
        <translation>Die CAD-Einstellungen konnten nicht gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>CCadPreferencesDialog</name>
    <message>
        <source>CAD Preferences</source>
        <translation>CAD-Einstellungen</translation>
    </message>
    <message>
        <source>Dimension Units</source>
        <translation>Maßeinheiten</translation>
    </message>
    <message>
        <source>&amp;Inches</source>
        <translation>&amp;Zoll</translation>
    </message>
    <message>
        <source>&amp;Millimetres</source>
        <translation>&amp;Millimeter</translation>
    </message>
    <message>
        <source>&amp;Both (inches, millimetres in brackets)</source>
        <translation>&amp;Beides (Zoll, Millimeter in Klammern)</translation>
    </message>
    <message>
        <source>Title block company</source>
        <translation>Firma im Schriftfeld</translation>
    </message>
    <message>
        <source>Default folder</source>
        <translation>Standardordner</translation>
    </message>
    <message>
        <source>Your documents folder, or where the last drawing went</source>
        <translation>Ihr Dokumentenordner oder der Ordner der letzten Zeichnung</translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>&amp;Durchsuchen...</translation>
    </message>
    <message>
        <source>Default Folder</source>
        <translation>Standardordner</translation>
    </message>
    <message>
        <source>Title block &amp;company:</source>
        <translation>&amp;Firma im Schriftfeld:</translation>
    </message>
    <message>
        <source>&amp;Default folder:</source>
        <translation>&amp;Standardordner:</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Der Ordner %1 existiert nicht.</translation>
    </message>
</context>
<context>
    <name>CCadViewer</name>
    <message>
        <source>Drawing</source>
        <translation>Zeichnung</translation>
    </message>
    <message>
        <source>CAD Drawing - </source>
        <translation>CAD-Zeichnung - </translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Fit</source>
        <translation>&amp;Einpassen</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>CChooseProduct</name>
    <message>
        <source>Choose Product</source>
        <translation>Produkt wählen</translation>
    </message>
    <message>
        <source>Choose Product Type</source>
        <translation>Produktart wählen</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Product picture</source>
        <translation>Produktbild</translation>
    </message>
    <message>
        <source>Ra&amp;pid Selection...</source>
        <translation>&amp;Schnellauswahl...</translation>
    </message>
    <message>
        <source>&amp;Reference</source>
        <translation>&amp;Referenz</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>The catalogue is not open, so there are no products to choose from.</source>
        <translation>Der Katalog ist nicht geöffnet, daher gibt es keine Produkte zur Auswahl.</translation>
    </message>
</context>
<context>
    <name>CChooseSeals</name>
    <message>
        <source>Choose Seals</source>
        <translation>Dichtungen wählen</translation>
    </message>
    <message>
        <source>Seal Class</source>
        <translation>Dichtungsklasse</translation>
    </message>
    <message>
        <source>Typical Fluids Sealed</source>
        <translation>Typische abgedichtete Medien</translation>
    </message>
    <message>
        <source>Additional Information</source>
        <translation>Weitere Informationen</translation>
    </message>
    <message>
        <source>Fluid Temperature Range</source>
        <translation>Temperaturbereich des Mediums</translation>
    </message>
    <message>
        <source>Additional Fluid Compatibility</source>
        <translation>Weitere Medienverträglichkeit</translation>
    </message>
</context>
<context>
    <name>CComboUnit</name>
    <message>
        <source>Unit NotFound</source>
        <translation>Einheit nicht gefunden</translation>
    </message>
    <message>
        <source>Nothing in Combo Box Selected</source>
        <translation>Nichts im Auswahlfeld gewählt</translation>
    </message>
</context>
<context>
    <name>CCycleGraphChart</name>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
</context>
<context>
    <name>CDescribeApplication</name>
    <message>
        <source>Describe Application</source>
        <translation>Anwendung beschreiben</translation>
    </message>
</context>
<context>
    <name>CDesktopStepDialogs</name>
    <message>
        <source>The selection holds an accumulator type this program does not know: &quot;%1&quot;. Please choose the model again.</source>
        <translation>Die Auswahl enthält eine Speicherbauart, die dieses Programm nicht kennt: „%1“. Bitte wählen Sie das Modell erneut.</translation>
    </message>
</context>
<context>
    <name>CDetailsBladder1</name>
    <message>
        <source>Choose Accumulator Details - Bladder Type</source>
        <translation>Speicherdetails wählen - Blasenspeicher</translation>
    </message>
    <message>
        <source>Standard Port Size:</source>
        <translation>Standard-Anschlussgröße:</translation>
    </message>
    <message>
        <source>For other Certification, Please consult the factory.</source>
        <translation>Für andere Zertifizierungen wenden Sie sich bitte an das Werk.</translation>
    </message>
    <message>
        <source>&amp;Seal Compound</source>
        <translation>&amp;Dichtungswerkstoff</translation>
    </message>
    <message>
        <source>C&amp;onstruction</source>
        <translation>&amp;Ausführung</translation>
    </message>
    <message>
        <source>&amp;Modification:</source>
        <translation>Ä&amp;nderung:</translation>
    </message>
    <message>
        <source>C&amp;ertification:</source>
        <translation>&amp;Zertifizierung:</translation>
    </message>
    <message>
        <source>Hydraulic &amp;Port Type</source>
        <translation>Art des Öl&amp;anschlusses</translation>
    </message>
</context>
<context>
    <name>CDetailsDialog</name>
    <message>
        <source>Selection Assistance</source>
        <translation>Auswahlhilfe</translation>
    </message>
</context>
<context>
    <name>CDetailsDiaphragm</name>
    <message>
        <source>Choose Accumulator Details - Diaphragm Type</source>
        <translation>Speicherdetails wählen - Membranspeicher</translation>
    </message>
    <message>
        <source>&amp;Diaphragm</source>
        <translation>&amp;Membran</translation>
    </message>
    <message>
        <source>C&amp;onstruction</source>
        <translation>&amp;Ausführung</translation>
    </message>
    <message>
        <source>C&amp;ertification</source>
        <translation>&amp;Zertifizierung</translation>
    </message>
</context>
<context>
    <name>CDetailsGB1</name>
    <message>
        <source>Gas Bottle Details</source>
        <translation>Details der Gasflasche</translation>
    </message>
    <message>
        <source>&amp;Gas Port:</source>
        <translation>&amp;Gasanschluss:</translation>
    </message>
    <message>
        <source>Gas &amp;Valve Port:</source>
        <translation>Gas&amp;ventilanschluss:</translation>
    </message>
</context>
<context>
    <name>CDetailsPiston1</name>
    <message>
        <source>Choose Accumulator Details - Piston Type</source>
        <translation>Speicherdetails wählen - Kolbenspeicher</translation>
    </message>
    <message>
        <source>Standard Ports</source>
        <translation>Standardanschlüsse</translation>
    </message>
    <message>
        <source>Hydraulic Port Modification</source>
        <translation>Änderung des Ölanschlusses</translation>
    </message>
    <message>
        <source>Gas Port Modification</source>
        <translation>Änderung des Gasanschlusses</translation>
    </message>
    <message>
        <source>Type </source>
        <translation>Art </translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Select any required options</source>
        <translation>Benötigte Optionen wählen</translation>
    </message>
    <message>
        <source>&amp;Seal Compound</source>
        <translation>&amp;Dichtungswerkstoff</translation>
    </message>
    <message>
        <source>&amp;Ports</source>
        <translation>&amp;Anschlüsse</translation>
    </message>
    <message>
        <source>Type of &amp;Construction:</source>
        <translation>&amp;Ausführung:</translation>
    </message>
    <message>
        <source>Optional &amp;Approval Stamp:</source>
        <translation>Optionaler A&amp;bnahmestempel:</translation>
    </message>
</context>
<context>
    <name>CDisclaimerDialog</name>
    <message>
        <source>Tesmara Accumulator Disclaimer</source>
        <translation>Tesmara Accumulator - Haftungsausschluss</translation>
    </message>
    <message>
        <source>Dalrow Safety Guide for Selecting and Using Accumulators and Accessories</source>
        <translation>Dalrow-Sicherheitsleitfaden für Auswahl und Einsatz von Hydrospeichern und Zubehör</translation>
    </message>
    <message>
        <source>DANGER!</source>
        <translation>GEFAHR!</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Failure or improper selection or improper use of accumulators and their related accessories can cause death, personal injury and property damage.</source>
        <translation>Versagen, falsche Auswahl oder unsachgemäßer Gebrauch von Hydrospeichern und zugehörigem Zubehör können Tod, Körperverletzung und Sachschäden verursachen.</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>Haftungsausschluss</translation>
    </message>
    <message>
        <source>&amp;Accept</source>
        <translation>&amp;Annehmen</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Annehmen</translation>
    </message>
    <message>
        <source>&amp;Decline</source>
        <translation>A&amp;blehnen</translation>
    </message>
    <message>
        <source>Decline</source>
        <translation>Ablehnen</translation>
    </message>
</context>
<context>
    <name>CDpnsAccumBase</name>
    <message>
        <source>Completed Model Number:</source>
        <translation>Vollständige Modellnummer:</translation>
    </message>
    <message>
        <source>&amp;Reference</source>
        <translation>&amp;Referenz</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Fertig</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>CDpnsSelection</name>
    <message>
        <source>Series</source>
        <translation>Baureihe</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>&amp;Choose Accumulator Series</source>
        <translation>Speicher&amp;baureihe wählen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (series %2) is not a product type rapid selection knows.</source>
        <translation>„%1“ (Baureihe %2) ist keine Produktart, die die Schnellauswahl kennt.</translation>
    </message>
</context>
<context>
    <name>CEntryDialog</name>
    <message>
        <source>&amp;Reference</source>
        <translation>&amp;Referenz</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>CEuropeanAccumulatorApp</name>
    <message>
        <source>Steps</source>
        <translation>Schritte</translation>
    </message>
    <message>
        <source>XML Files (*.xml)</source>
        <translation>XML-Dateien (*.xml)</translation>
    </message>
    <message>
        <source>The catalogue for %1 is not installed (%2).</source>
        <translation>Der Katalog für %1 ist nicht installiert (%2).</translation>
    </message>
    <message>
        <source>The catalogue for %1 could not be opened (%2).</source>
        <translation>Der Katalog für %1 konnte nicht geöffnet werden (%2).</translation>
    </message>
    <message>
        <source>The default units could not be stored; they apply until the program ends.</source>
        <translation>Die Standardeinheiten konnten nicht gespeichert werden; sie gelten bis zum Programmende.</translation>
    </message>
    <message>
        <source>The selection in %1 has no model number yet: there is no report to print.</source>
        <translation>Die Auswahl in %1 hat noch keine Modellnummer: Es gibt keinen Bericht zu drucken.</translation>
    </message>
    <message>
        <source>No web address is set up for this page (setting %1).</source>
        <translation>Für diese Seite ist keine Webadresse eingerichtet (Einstellung %1).</translation>
    </message>
    <message>
        <source>No web browser could be started to open %1.
Open the address in your browser yourself.</source>
        <translation>Es konnte kein Webbrowser gestartet werden, um %1 zu öffnen.
Öffnen Sie die Adresse selbst in Ihrem Browser.</translation>
    </message>
</context>
<context>
    <name>CFileDialogs</name>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
</context>
<context>
    <name>CFluidCompatability</name>
    <message>
        <source>Fluid Compatibility</source>
        <translation>Medienverträglichkeit</translation>
    </message>
    <message>
        <source>&amp;Fluid:</source>
        <translation>&amp;Medium:</translation>
    </message>
    <message>
        <source>High Temp.</source>
        <translation>Höchsttemp.</translation>
    </message>
    <message>
        <source>Low Temp.</source>
        <translation>Mindesttemp.</translation>
    </message>
    <message>
        <source>&amp;Unit:</source>
        <translation>&amp;Einheit:</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>Seal classes found</source>
        <translation>Gefundene Dichtungsklassen</translation>
    </message>
    <message>
        <source>Seal Class</source>
        <translation>Dichtungsklasse</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Min.</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Max.</translation>
    </message>
    <message>
        <source>Search result</source>
        <translation>Suchergebnis</translation>
    </message>
</context>
<context>
    <name>CGasBottleSelect</name>
    <message>
        <source>Select Gas Bottle</source>
        <translation>Gasflasche wählen</translation>
    </message>
    <message>
        <source>Gas Bottle Type</source>
        <translation>Bauart der Gasflasche</translation>
    </message>
    <message>
        <source>&amp;Pressure</source>
        <translation>&amp;Druck</translation>
    </message>
    <message>
        <source>Gas Bottles</source>
        <translation>Gasflaschen</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Bauart</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Bore Size</source>
        <translation>Bohrung</translation>
    </message>
    <message>
        <source>Additional Information</source>
        <translation>Weitere Informationen</translation>
    </message>
    <message>
        <source>&amp;Gas Bottle</source>
        <translation>&amp;Gasflasche</translation>
    </message>
    <message>
        <source>Piston Accumulator Gas Bottle</source>
        <translation>Gasflasche für Kolbenspeicher</translation>
    </message>
    <message>
        <source>Bladder Accumulator Gas Bottle</source>
        <translation>Gasflasche für Blasenspeicher</translation>
    </message>
    <message>
        <source>GB Series Gas Bottle</source>
        <translation>Gasflasche der Baureihe GB</translation>
    </message>
    <message>
        <source>View All</source>
        <translation>Alle anzeigen</translation>
    </message>
</context>
<context>
    <name>CGasStateChart</name>
    <message>
        <source>Gas Pressure</source>
        <translation>Gasdruck</translation>
    </message>
    <message>
        <source>Gas Temperature</source>
        <translation>Gastemperatur</translation>
    </message>
    <message>
        <source>Gas Volume</source>
        <translation>Gasvolumen</translation>
    </message>
</context>
<context>
    <name>CGasStateDialog</name>
    <message>
        <source>Gas State</source>
        <translation>Gaszustand</translation>
    </message>
    <message>
        <source>The gas model gives no states for this application.</source>
        <translation>Das Gasmodell liefert für diese Anwendung keine Zustände.</translation>
    </message>
</context>
<context>
    <name>CHelpWindow</name>
    <message>
        <source>Tesmara Accumulator Help</source>
        <translation>Tesmara Accumulator Hilfe</translation>
    </message>
    <message>
        <source>Help topic</source>
        <translation>Hilfethema</translation>
    </message>
    <message>
        <source>Help navigation</source>
        <translation>Navigation der Hilfe</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>Look for</source>
        <translation>Suchen nach</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>In&amp;dex</translation>
    </message>
    <message>
        <source>Search for</source>
        <translation>Suchen nach</translation>
    </message>
    <message>
        <source>Topics found</source>
        <translation>Gefundene Themen</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Suche</translation>
    </message>
    <message>
        <source>Help tools</source>
        <translation>Werkzeuge der Hilfe</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>Erste Seite</translation>
    </message>
</context>
<context>
    <name>CHoldingLeakage</name>
    <message>
        <source>Calculated Rate:</source>
        <translation>Berechnete Rate:</translation>
    </message>
    <message>
        <source>Holding / Leakage Compensation</source>
        <translation>Druckhaltung / Leckageausgleich</translation>
    </message>
    <message>
        <source>Maximum System Pressure:</source>
        <translation>Maximaler Systemdruck:</translation>
    </message>
    <message>
        <source>Minimum System Pressure:</source>
        <translation>Minimaler Systemdruck:</translation>
    </message>
    <message>
        <source>Time to Hold Pressure:</source>
        <translation>Druckhaltezeit:</translation>
    </message>
    <message>
        <source>Estimated System Temperature:</source>
        <translation>Geschätzte Systemtemperatur:</translation>
    </message>
    <message>
        <source>Estimated Leakage Rate</source>
        <translation>Geschätzte Leckrate</translation>
    </message>
    <message>
        <source>Estimate the leakage rate using the number and size of valves</source>
        <translation>Leckrate aus Anzahl und Größe der Ventile schätzen</translation>
    </message>
    <message>
        <source>Pressure unit</source>
        <translation>Druckeinheit</translation>
    </message>
    <message>
        <source>System Temperature unit</source>
        <translation>Einheit der Systemtemperatur</translation>
    </message>
    <message>
        <source>Leakage rate unit</source>
        <translation>Einheit der Leckrate</translation>
    </message>
    <message>
        <source>Number of leaking valves</source>
        <translation>Anzahl undichter Ventile</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>Leakage</source>
        <translation>Leckage</translation>
    </message>
    <message>
        <source>Leakage is due to </source>
        <translation>Die Leckage kommt von </translation>
    </message>
    <message>
        <source>Valves.  </source>
        <translation>Ventilen.  </translation>
    </message>
    <message>
        <source>For a Bladder / Diaphragm Accumulator:</source>
        <translation>Für einen Blasen- / Membranspeicher:</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;New Selection</source>
        <translation>&amp;Neue Auswahl</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Export &amp;XML...</source>
        <translation>&amp;XML exportieren...</translation>
    </message>
    <message>
        <source>Print Selection &amp;Report...</source>
        <translation>Auswahl&amp;bericht drucken...</translation>
    </message>
    <message>
        <source>Add &amp;Selection to OrderPad</source>
        <translation>Auswahl zum &amp;OrderPad hinzufügen</translation>
    </message>
    <message>
        <source>&amp;OrderPad</source>
        <translation>Order&amp;Pad</translation>
    </message>
    <message>
        <source>&amp;CAD</source>
        <translation>&amp;CAD</translation>
    </message>
    <message>
        <source>&amp;View CAD Drawing</source>
        <translation>CAD-Zeichnung &amp;anzeigen</translation>
    </message>
    <message>
        <source>&amp;Print CAD - DXF</source>
        <translation>CAD &amp;drucken - DXF</translation>
    </message>
    <message>
        <source>Print CAD - &amp;HPGL</source>
        <translation>CAD drucken - &amp;HPGL</translation>
    </message>
    <message>
        <source>CAD &amp;Preferences...</source>
        <translation>CAD-&amp;Einstellungen...</translation>
    </message>
    <message>
        <source>&amp;Generate CAD File</source>
        <translation>CAD-Datei &amp;erzeugen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Symbolleiste</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>S&amp;tatusleiste</translation>
    </message>
    <message>
        <source>Display Selection Complete Options</source>
        <translation>Optionen nach abgeschlossener Auswahl anzeigen</translation>
    </message>
    <message>
        <source>View &amp;Selection Report</source>
        <translation>Auswahl&amp;bericht anzeigen</translation>
    </message>
    <message>
        <source>&amp;Rapid Selection...</source>
        <translation>&amp;Schnellauswahl...</translation>
    </message>
    <message>
        <source>Unit &amp;Defaults...</source>
        <translation>&amp;Standardeinheiten...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Product &amp;Support</source>
        <translation>Produkt&amp;unterstützung</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>Contacting &amp;Dalrow</source>
        <translation>&amp;Kontakt zu Dalrow</translation>
    </message>
    <message>
        <source>Dalrow &amp;Locations</source>
        <translation>Dalrow-&amp;Standorte</translation>
    </message>
    <message>
        <source>&amp;Offer of Sale</source>
        <translation>&amp;Verkaufsbedingungen</translation>
    </message>
    <message>
        <source>&amp;License Agreement</source>
        <translation>&amp;Lizenzvertrag</translation>
    </message>
    <message>
        <source>O&amp;ther Products</source>
        <translation>&amp;Andere Produkte</translation>
    </message>
    <message>
        <source>&amp;Related Products</source>
        <translation>&amp;Verwandte Produkte</translation>
    </message>
    <message>
        <source>&amp;Tip of the Day...</source>
        <translation>&amp;Tipp des Tages...</translation>
    </message>
    <message>
        <source>&amp;About Tesmara Accumulator...</source>
        <translation>Ü&amp;ber Tesmara Accumulator...</translation>
    </message>
    <message>
        <source>Starts a new selection</source>
        <translation>Beginnt eine neue Auswahl</translation>
    </message>
    <message>
        <source>New Selection</source>
        <translation>Neue Auswahl</translation>
    </message>
    <message>
        <source>Opens a saved selection</source>
        <translation>Öffnet eine gespeicherte Auswahl</translation>
    </message>
    <message>
        <source>Open Selection</source>
        <translation>Auswahl öffnen</translation>
    </message>
    <message>
        <source>Saves the selection</source>
        <translation>Speichert die Auswahl</translation>
    </message>
    <message>
        <source>Save Selection</source>
        <translation>Auswahl speichern</translation>
    </message>
    <message>
        <source>Saves the selection under a new name</source>
        <translation>Speichert die Auswahl unter einem neuen Namen</translation>
    </message>
    <message>
        <source>Writes the selection as an XML file for other programs</source>
        <translation>Schreibt die Auswahl als XML-Datei für andere Programme</translation>
    </message>
    <message>
        <source>Prints the selection report</source>
        <translation>Druckt den Auswahlbericht</translation>
    </message>
    <message>
        <source>Adds the Current Selection to the Order Pad</source>
        <translation>Fügt die aktuelle Auswahl dem Bestellblock hinzu</translation>
    </message>
    <message>
        <source>Add the Current Selection to the OrderPad</source>
        <translation>Aktuelle Auswahl zum Bestellblock hinzufügen</translation>
    </message>
    <message>
        <source>Opens the Order Pad Utility</source>
        <translation>Öffnet den Bestellblock</translation>
    </message>
    <message>
        <source>Shows the CAD drawing of the selected model</source>
        <translation>Zeigt die CAD-Zeichnung des gewählten Modells</translation>
    </message>
    <message>
        <source>Prints the CAD drawing from its DXF file</source>
        <translation>Druckt die CAD-Zeichnung aus ihrer DXF-Datei</translation>
    </message>
    <message>
        <source>Prints the CAD drawing from its HP-GL file</source>
        <translation>Druckt die CAD-Zeichnung aus ihrer HP-GL-Datei</translation>
    </message>
    <message>
        <source>Sets how CAD drawings are drawn and printed</source>
        <translation>Legt fest, wie CAD-Zeichnungen gezeichnet und gedruckt werden</translation>
    </message>
    <message>
        <source>Saves the CAD drawing as a file</source>
        <translation>Speichert die CAD-Zeichnung als Datei</translation>
    </message>
    <message>
        <source>Ends the program; asks to save the selection first</source>
        <translation>Beendet das Programm; fragt zuvor, ob die Auswahl gespeichert werden soll</translation>
    </message>
    <message>
        <source>Shows or hides the toolbar</source>
        <translation>Zeigt oder verbirgt die Symbolleiste</translation>
    </message>
    <message>
        <source>Shows or hides the status bar</source>
        <translation>Zeigt oder verbirgt die Statusleiste</translation>
    </message>
    <message>
        <source>Offers the report, the CAD drawing and the order pad when a selection is complete</source>
        <translation>Bietet Bericht, CAD-Zeichnung und Bestellblock an, sobald eine Auswahl vollständig ist</translation>
    </message>
    <message>
        <source>Shows the selection report</source>
        <translation>Zeigt den Auswahlbericht</translation>
    </message>
    <message>
        <source>Rapid selection of part number</source>
        <translation>Schnellauswahl der Modellnummer</translation>
    </message>
    <message>
        <source>Chooses the units new entries start in</source>
        <translation>Wählt die Einheiten, mit denen neue Eingaben beginnen</translation>
    </message>
    <message>
        <source>Options of the program</source>
        <translation>Optionen des Programms</translation>
    </message>
    <message>
        <source>Opens the help at its contents</source>
        <translation>Öffnet die Hilfe beim Inhalt</translation>
    </message>
    <message>
        <source>How Dalrow supports its products and this program</source>
        <translation>Wie Dalrow seine Produkte und dieses Programm betreut</translation>
    </message>
    <message>
        <source>Lists the reference documents and data sheets</source>
        <translation>Listet die Referenzdokumente und Datenblätter auf</translation>
    </message>
    <message>
        <source>How to reach Dalrow</source>
        <translation>So erreichen Sie Dalrow</translation>
    </message>
    <message>
        <source>The sites and sales offices of Dalrow</source>
        <translation>Standorte und Vertriebsbüros von Dalrow</translation>
    </message>
    <message>
        <source>The terms on which Dalrow sells its products</source>
        <translation>Die Bedingungen, zu denen Dalrow seine Produkte verkauft</translation>
    </message>
    <message>
        <source>The license agreement of this program</source>
        <translation>Der Lizenzvertrag dieses Programms</translation>
    </message>
    <message>
        <source>Other product families of Dalrow</source>
        <translation>Weitere Produktfamilien von Dalrow</translation>
    </message>
    <message>
        <source>Products that go with an accumulator installation</source>
        <translation>Produkte, die zu einer Speicheranlage gehören</translation>
    </message>
    <message>
        <source>Opens the Dalrow home page in your web browser</source>
        <translation>Öffnet die Startseite von Dalrow in Ihrem Webbrowser</translation>
    </message>
    <message>
        <source>Opens Dalrow&apos;s product information in your web browser</source>
        <translation>Öffnet die Produktinformationen von Dalrow in Ihrem Webbrowser</translation>
    </message>
    <message>
        <source>Opens Dalrow&apos;s technical support in your web browser</source>
        <translation>Öffnet den technischen Support von Dalrow in Ihrem Webbrowser</translation>
    </message>
    <message>
        <source>Shows a tip on working with the program</source>
        <translation>Zeigt einen Tipp zur Arbeit mit dem Programm</translation>
    </message>
    <message>
        <source>Shows the program&apos;s version</source>
        <translation>Zeigt die Version des Programms</translation>
    </message>
    <message>
        <source>About Tesmara Accumulator</source>
        <translation>Über Tesmara Accumulator</translation>
    </message>
    <message>
        <source>Computes the fluid an existing accumulator delivers</source>
        <translation>Berechnet das Volumen, das ein vorhandener Speicher abgibt</translation>
    </message>
    <message>
        <source>Computes how the precharge changes with temperature</source>
        <translation>Berechnet, wie sich der Vorfülldruck mit der Temperatur ändert</translation>
    </message>
    <message>
        <source>Converts a value between units</source>
        <translation>Rechnet einen Wert zwischen Einheiten um</translation>
    </message>
    <message>
        <source>Draws, prints and saves the CAD drawing of the selected model</source>
        <translation>Zeichnet, druckt und speichert die CAD-Zeichnung des gewählten Modells</translation>
    </message>
    <message>
        <source>Shows the program in %1</source>
        <translation>Zeigt das Programm in %1</translation>
    </message>
    <message>
        <source>Dalrow on the &amp;Web</source>
        <translation>Dalrow im &amp;Web</translation>
    </message>
    <message>
        <source>Product &amp;Information</source>
        <translation>Produkt&amp;informationen</translation>
    </message>
    <message>
        <source>Technical Su&amp;pport</source>
        <translation>Technischer Su&amp;pport</translation>
    </message>
</context>
<context>
    <name>CMessageBoxPrompt</name>
    <message>
        <source>Tesmara Accumulator</source>
        <translation>Tesmara Accumulator</translation>
    </message>
</context>
<context>
    <name>CModelDialogs</name>
    <message>
        <source>&amp;Reference</source>
        <translation>&amp;Referenz</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
<context>
    <name>COperatingRangeGroup</name>
    <message>
        <source>Operating Temperature Range (optional)</source>
        <translation>Betriebstemperaturbereich (optional)</translation>
    </message>
    <message>
        <source>Minimum Operating Temperature:</source>
        <translation>Minimale Betriebstemperatur:</translation>
    </message>
    <message>
        <source>Maximum Operating Temperature:</source>
        <translation>Maximale Betriebstemperatur:</translation>
    </message>
    <message>
        <source>Operating Temperature unit</source>
        <translation>Einheit der Betriebstemperatur</translation>
    </message>
    <message>
        <source>Leave both empty for results at the system temperature only.</source>
        <translation>Beide leer lassen, um nur Ergebnisse bei Systemtemperatur zu erhalten.</translation>
    </message>
</context>
<context>
    <name>COrderPadWindow</name>
    <message>
        <source>Tesmara OrderPad</source>
        <translation>Tesmara OrderPad</translation>
    </message>
    <message>
        <source>Line items</source>
        <translation>Positionen</translation>
    </message>
    <message>
        <source>Part Number</source>
        <translation>Teilenummer</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Menge</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Sparte</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Modification</source>
        <translation>Änderung</translation>
    </message>
    <message>
        <source>Customer Notes</source>
        <translation>Kundenhinweise</translation>
    </message>
    <message>
        <source>&amp;Remove Line</source>
        <translation>Position &amp;entfernen</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>CSV e&amp;xportieren...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Export Order</source>
        <translation>Bestellung exportieren</translation>
    </message>
    <message>
        <source>Comma-Separated Values (*.csv)</source>
        <translation>Kommagetrennte Werte (*.csv)</translation>
    </message>
    <message>
        <source>Not taken in:</source>
        <translation>Nicht übernommen:</translation>
    </message>
    <message>
        <source>%1 line item(s) added.</source>
        <translation>%1 Position(en) hinzugefügt.</translation>
    </message>
    <message>
        <source>A quantity is a whole number from 1 to 99999.</source>
        <translation>Eine Menge ist eine ganze Zahl von 1 bis 99999.</translation>
    </message>
    <message>
        <source>Select the lines to remove first.</source>
        <translation>Wählen Sie zuerst die zu entfernenden Positionen.</translation>
    </message>
    <message>
        <source>The order was exported to %1.</source>
        <translation>Die Bestellung wurde nach %1 exportiert.</translation>
    </message>
</context>
<context>
    <name>COvrisol1SizeSelection</name>
    <message>
        <source>Ovrisol Size Selection Method</source>
        <translation>Verfahren zur Größenwahl der Ovrisol</translation>
    </message>
    <message>
        <source>How do you want to size the reservoir isolator?</source>
        <translation>Wie möchten Sie die Tankabschottung auslegen?</translation>
    </message>
</context>
<context>
    <name>COvrisol2ARequiredCapacities</name>
    <message>
        <source>Required Cylinder and Accumulator Capacities</source>
        <translation>Benötigte Zylinder- und Speichervolumen</translation>
    </message>
    <message>
        <source>Sum of all Cylinder Differential Capacities:</source>
        <translation>Summe aller Zylinder-Differenzvolumen:</translation>
    </message>
    <message>
        <source>Sum of all Accumulator Capacities:</source>
        <translation>Summe aller Speichervolumen:</translation>
    </message>
</context>
<context>
    <name>COvrisol2BFluidLevel</name>
    <message>
        <source>Required Fluid Levels &amp; dimensions of the Reservoir</source>
        <translation>Benötigte Flüssigkeitsstände und Abmessungen des Tanks</translation>
    </message>
    <message>
        <source>High Fluid Level</source>
        <translation>Oberer Flüssigkeitsstand</translation>
    </message>
    <message>
        <source>Low Fluid Level</source>
        <translation>Unterer Flüssigkeitsstand</translation>
    </message>
    <message>
        <source>Reservoir Width:</source>
        <translation>Tankbreite:</translation>
    </message>
    <message>
        <source>Reservoir Length</source>
        <translation>Tanklänge</translation>
    </message>
</context>
<context>
    <name>COvrisolCapacityDialog</name>
    <message>
        <source> unit</source>
        <translation> Einheit</translation>
    </message>
</context>
<context>
    <name>COvrisolChooseModel</name>
    <message>
        <source>Choose Ovrisol Model</source>
        <translation>Ovrisol-Modell wählen</translation>
    </message>
    <message>
        <source>Ovrisol Size</source>
        <translation>Ovrisol-Größe</translation>
    </message>
    <message>
        <source>Construction</source>
        <translation>Ausführung</translation>
    </message>
    <message>
        <source>Selection Assistance</source>
        <translation>Auswahlhilfe</translation>
    </message>
    <message>
        <source>Bladder</source>
        <translation>Blase</translation>
    </message>
</context>
<context>
    <name>CPistonPumpPulsationDampening</name>
    <message>
        <source>Maximum Allowable Shock Pressure:</source>
        <translation>Maximal zulässiger Druckstoß:</translation>
    </message>
    <message>
        <source>Calculated Rate:</source>
        <translation>Berechnete Rate:</translation>
    </message>
    <message>
        <source>Use the calculated optimal Precharge Pressure:</source>
        <translation>Berechneten optimalen Vorfülldruck verwenden:</translation>
    </message>
    <message>
        <source>Piston Pump Pulsation Dampening</source>
        <translation>Pulsationsdämpfung von Kolbenpumpen</translation>
    </message>
    <message>
        <source>System Pressure:</source>
        <translation>Systemdruck:</translation>
    </message>
    <message>
        <source>Maximum Allowable Shock Pressure (entered):</source>
        <translation>Maximal zulässiger Druckstoß (eingegeben):</translation>
    </message>
    <message>
        <source>Number of Pistons in Pump:</source>
        <translation>Anzahl der Kolben der Pumpe:</translation>
    </message>
    <message>
        <source>Pressure unit</source>
        <translation>Druckeinheit</translation>
    </message>
    <message>
        <source>Enter Pump Displacement Directly:</source>
        <translation>Fördervolumen der Pumpe direkt eingeben:</translation>
    </message>
    <message>
        <source>Pump displacement unit</source>
        <translation>Einheit des Fördervolumens</translation>
    </message>
    <message>
        <source>Flow Rate:</source>
        <translation>Volumenstrom:</translation>
    </message>
    <message>
        <source>Flow rate unit</source>
        <translation>Einheit des Volumenstroms</translation>
    </message>
    <message>
        <source>Pump Speed</source>
        <translation>Pumpendrehzahl</translation>
    </message>
    <message>
        <source>Estimated:</source>
        <translation>Geschätzt:</translation>
    </message>
    <message>
        <source>System Temperature unit</source>
        <translation>Einheit der Systemtemperatur</translation>
    </message>
    <message>
        <source>I have a Precharge Pressure of:</source>
        <translation>Ich habe einen Vorfülldruck von:</translation>
    </message>
    <message>
        <source>Pump Displacement</source>
        <translation>Fördervolumen der Pumpe</translation>
    </message>
    <message>
        <source>Calculate the displacement:</source>
        <translation>Fördervolumen berechnen:</translation>
    </message>
    <message>
        <source>Single Acting Pump</source>
        <translation>Einfach wirkende Pumpe</translation>
    </message>
    <message>
        <source>Double Acting Pump</source>
        <translation>Doppelt wirkende Pumpe</translation>
    </message>
    <message>
        <source>System Temperature</source>
        <translation>Systemtemperatur</translation>
    </message>
    <message>
        <source>Precharge Pressure</source>
        <translation>Vorfülldruck</translation>
    </message>
</context>
<context>
    <name>CPrechargeGroup</name>
    <message>
        <source>I have a Precharge Pressure of:</source>
        <translation>Ich habe einen Vorfülldruck von:</translation>
    </message>
    <message>
        <source>For a Piston Accumulator:</source>
        <translation>Für einen Kolbenspeicher:</translation>
    </message>
    <message>
        <source>Use the calculated optimal Precharge Pressure:</source>
        <translation>Berechneten optimalen Vorfülldruck verwenden:</translation>
    </message>
    <message>
        <source>Precharge Pressure</source>
        <translation>Vorfülldruck</translation>
    </message>
</context>
<context>
    <name>CProductDialog</name>
    <message>
        <source>&amp;Reference</source>
        <translation>&amp;Referenz</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>The catalogue is not open, so there is nothing to choose from.</source>
        <translation>Der Katalog ist nicht geöffnet, daher gibt es nichts zur Auswahl.</translation>
    </message>
</context>
<context>
    <name>CPumpOverChoice</name>
    <message>
        <source>Select Pump Type</source>
        <translation>Pumpenart wählen</translation>
    </message>
    <message>
        <source>Variable Volume Pump</source>
        <translation>Verstellpumpe</translation>
    </message>
    <message>
        <source>Fixed Displacement Pump</source>
        <translation>Konstantpumpe</translation>
    </message>
</context>
<context>
    <name>CRepairKit</name>
    <message>
        <source>Repair Kit Selection</source>
        <translation>Auswahl des Reparatursatzes</translation>
    </message>
    <message>
        <source>Choose Repair Kit</source>
        <translation>Reparatursatz wählen</translation>
    </message>
</context>
<context>
    <name>CRepairKitSelect</name>
    <message>
        <source>Select Repair Kit</source>
        <translation>Reparatursatz wählen</translation>
    </message>
    <message>
        <source>Repair Kit</source>
        <translation>Reparatursatz</translation>
    </message>
    <message>
        <source>Part Number</source>
        <translation>Teilenummer</translation>
    </message>
    <message>
        <source>Accumulator Options</source>
        <translation>Speicheroptionen</translation>
    </message>
    <message>
        <source>Select Any of the Options below to filter the list.</source>
        <translation>Wählen Sie eine der Optionen unten, um die Liste zu filtern.</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>Seals:</source>
        <translation>Dichtungen:</translation>
    </message>
    <message>
        <source>Construction:</source>
        <translation>Ausführung:</translation>
    </message>
    <message>
        <source>Service:</source>
        <translation>Einsatz:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Anschluss:</translation>
    </message>
</context>
<context>
    <name>CReportDocument</name>
    <message>
        <source>The picture &quot;%1&quot; is not a picture that can be shown.</source>
        <translation>Das Bild „%1“ kann nicht angezeigt werden.</translation>
    </message>
</context>
<context>
    <name>CReportHtml</name>
    <message>
        <source>[%1 more characters not shown]</source>
        <translation>[%1 weitere Zeichen nicht angezeigt]</translation>
    </message>
</context>
<context>
    <name>CReportOutput</name>
    <message>
        <source>The report could not be saved to %1. %2.</source>
        <translation>Der Bericht konnte nicht unter %1 gespeichert werden. %2.</translation>
    </message>
    <message>
        <source>Tesmara Accumulator %1</source>
        <translation>Tesmara Accumulator %1</translation>
    </message>
    <message>
        <source>The report could not be saved to %1.</source>
        <translation>Der Bericht konnte nicht unter %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>The report could not be printed on %1.</source>
        <translation>Der Bericht konnte nicht auf %1 gedruckt werden.</translation>
    </message>
</context>
<context>
    <name>CReportPresenter</name>
    <message>
        <source>
The report is shown without </source>
        <translation>
Der Bericht wird angezeigt ohne </translation>
    </message>
</context>
<context>
    <name>CReportViewer</name>
    <message>
        <source>Selection Report</source>
        <translation>Auswahlbericht</translation>
    </message>
    <message>
        <source>Report Tools</source>
        <translation>Berichtswerkzeuge</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Als P&amp;DF speichern...</translation>
    </message>
    <message>
        <source>&amp;First Page</source>
        <translation>&amp;Erste Seite</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Erste</translation>
    </message>
    <message>
        <source>Pre&amp;vious Page</source>
        <translation>&amp;Vorherige Seite</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Vorherige</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>  Page 888 of 888  </source>
        <translation>  Seite 888 von 888  </translation>
    </message>
    <message>
        <source>&amp;Next Page</source>
        <translation>&amp;Nächste Seite</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Nächste</translation>
    </message>
    <message>
        <source>&amp;Last Page</source>
        <translation>&amp;Letzte Seite</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Letzte</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>Fit &amp;Width</source>
        <translation>&amp;Breite einpassen</translation>
    </message>
    <message>
        <source>&amp;Whole Page</source>
        <translation>&amp;Ganze Seite</translation>
    </message>
    <message>
        <source>Report Pages</source>
        <translation>Berichtsseiten</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
</context>
<context>
    <name>CReqAccCapSize</name>
    <message>
        <source>Required Accumulator Capacity / Size</source>
        <translation>Benötigtes Speichervolumen / Größe</translation>
    </message>
    <message>
        <source>Enter your Required Capacity:</source>
        <translation>Ihr benötigtes Volumen eingeben:</translation>
    </message>
    <message>
        <source>Maximum System Pressure:</source>
        <translation>Maximaler Systemdruck:</translation>
    </message>
    <message>
        <source>Required Capacity unit</source>
        <translation>Einheit des benötigten Volumens</translation>
    </message>
    <message>
        <source>Maximum System Pressure unit</source>
        <translation>Einheit des maximalen Systemdrucks</translation>
    </message>
</context>
<context>
    <name>CResultDialog</name>
    <message>
        <source>Required Accumulator Capacity:</source>
        <translation>Benötigtes Speichervolumen:</translation>
    </message>
    <message>
        <source>Precharge Pressure:</source>
        <translation>Vorfülldruck:</translation>
    </message>
    <message>
        <source>Polytropic Exponent:</source>
        <translation>Polytropenexponent:</translation>
    </message>
    <message>
        <source>Polytropic Exponent Charging:</source>
        <translation>Polytropenexponent beim Laden:</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Gas State...</source>
        <translation>Gaszustand...</translation>
    </message>
</context>
<context>
    <name>CSelectDefaultUnits</name>
    <message>
        <source>More Detail</source>
        <translation>Mehr Details</translation>
    </message>
    <message>
        <source>Unit Defaults</source>
        <translation>Standardeinheiten</translation>
    </message>
    <message>
        <source>Reset to &amp;Metric Defaults</source>
        <translation>Auf &amp;metrische Standards zurücksetzen</translation>
    </message>
    <message>
        <source>Reset to U.S. &amp;Standard Defaults</source>
        <translation>Auf &amp;US-Standards zurücksetzen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Less Detail</source>
        <translation>Weniger Details</translation>
    </message>
    <message>
        <source>Length/Distance</source>
        <translation>Länge/Abstand</translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>Masse</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Druck</translation>
    </message>
    <message>
        <source>Acceleration</source>
        <translation>Beschleunigung</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>Mass Flow Rate</source>
        <translation>Massenstrom</translation>
    </message>
    <message>
        <source>Displacement</source>
        <translation>Verdrängung</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Dichte</translation>
    </message>
    <message>
        <source>Vacuum</source>
        <translation>Vakuum</translation>
    </message>
    <message>
        <source>Torque</source>
        <translation>Drehmoment</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Leistung</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>Kraft</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Volumenstrom</translation>
    </message>
    <message>
        <source>Kinematic Viscosity</source>
        <translation>Kinematische Viskosität</translation>
    </message>
    <message>
        <source>Absolute Viscosity</source>
        <translation>Dynamische Viskosität</translation>
    </message>
</context>
<context>
    <name>CSelectionCompleted</name>
    <message>
        <source>Selection Complete</source>
        <translation>Auswahl abgeschlossen</translation>
    </message>
    <message>
        <source>CAD Options</source>
        <translation>CAD-Optionen</translation>
    </message>
    <message>
        <source>&amp;View CAD Drawing</source>
        <translation>CAD-Zeichnung &amp;anzeigen</translation>
    </message>
    <message>
        <source>&amp;Print CAD - DXF</source>
        <translation>CAD &amp;drucken - DXF</translation>
    </message>
    <message>
        <source>Print CAD - &amp;HPGL</source>
        <translation>CAD drucken - &amp;HPGL</translation>
    </message>
    <message>
        <source>&amp;Generate CAD File</source>
        <translation>CAD-Datei &amp;erzeugen</translation>
    </message>
    <message>
        <source>Ordering Options</source>
        <translation>Bestelloptionen</translation>
    </message>
    <message>
        <source>&amp;Add to OrderPad</source>
        <translation>Zum &amp;OrderPad hinzufügen</translation>
    </message>
    <message>
        <source>Selection Report Options</source>
        <translation>Optionen des Auswahlberichts</translation>
    </message>
    <message>
        <source>View &amp;Selection Report</source>
        <translation>Auswahl&amp;bericht anzeigen</translation>
    </message>
    <message>
        <source>Print Selection &amp;Report</source>
        <translation>Auswahl&amp;bericht drucken</translation>
    </message>
    <message>
        <source>Show &amp;Options When Selection Completed</source>
        <translation>&amp;Optionen nach abgeschlossener Auswahl anzeigen</translation>
    </message>
    <message>
        <source>Show Options When Selection Completed</source>
        <translation>Optionen nach abgeschlossener Auswahl anzeigen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>CShockPumpOver</name>
    <message>
        <source>Maximum Allowable Shock Pressure:</source>
        <translation>Maximal zulässiger Druckstoß:</translation>
    </message>
    <message>
        <source>System Pressure:</source>
        <translation>Systemdruck:</translation>
    </message>
    <message>
        <source>Pressure unit</source>
        <translation>Druckeinheit</translation>
    </message>
    <message>
        <source>Maximum Shock Pressure:</source>
        <translation>Maximaler Druckstoß:</translation>
    </message>
    <message>
        <source>Flow Rate:</source>
        <translation>Volumenstrom:</translation>
    </message>
    <message>
        <source>Flow rate unit</source>
        <translation>Einheit des Volumenstroms</translation>
    </message>
    <message>
        <source>Estimated:</source>
        <translation>Geschätzt:</translation>
    </message>
    <message>
        <source>System Temperature unit</source>
        <translation>Einheit der Systemtemperatur</translation>
    </message>
    <message>
        <source>Response Time:</source>
        <translation>Ansprechzeit:</translation>
    </message>
    <message>
        <source>Typical Response Time:</source>
        <translation>Typische Ansprechzeit:</translation>
    </message>
    <message>
        <source>System Temperature</source>
        <translation>Systemtemperatur</translation>
    </message>
    <message>
        <source>Precharge pressure is 85% of the System Pressure</source>
        <translation>Der Vorfülldruck beträgt 85 % des Systemdrucks</translation>
    </message>
</context>
<context>
    <name>CShockPumpOverFixed</name>
    <message>
        <source>Shock Due to Fixed Displacement Pump</source>
        <translation>Druckstoß durch Konstantpumpe</translation>
    </message>
    <message>
        <source>Relief Valve Size</source>
        <translation>Größe des Druckbegrenzungsventils</translation>
    </message>
    <message>
        <source>no relief valve listed for this flow</source>
        <translation>kein Druckbegrenzungsventil für diesen Volumenstrom aufgeführt</translation>
    </message>
</context>
<context>
    <name>CShockPumpOverVariable</name>
    <message>
        <source>Shock due to Variable Volume Pump</source>
        <translation>Druckstoß durch Verstellpumpe</translation>
    </message>
    <message>
        <source>none listed for this flow</source>
        <translation>keiner für diesen Volumenstrom aufgeführt</translation>
    </message>
</context>
<context>
    <name>CShockSuppress</name>
    <message>
        <source>Maximum Allowable Shock Pressure:</source>
        <translation>Maximal zulässiger Druckstoß:</translation>
    </message>
    <message>
        <source>Shock Suppression</source>
        <translation>Druckstoßdämpfung</translation>
    </message>
    <message>
        <source>System Pressure:</source>
        <translation>Systemdruck:</translation>
    </message>
    <message>
        <source>Maximum Allowable Shock Pressure (entered):</source>
        <translation>Maximal zulässiger Druckstoß (eingegeben):</translation>
    </message>
    <message>
        <source>Flow Rate Prior to Shut-off:</source>
        <translation>Volumenstrom vor dem Schließen:</translation>
    </message>
    <message>
        <source>Pipe/Tube Length:</source>
        <translation>Rohr-/Leitungslänge:</translation>
    </message>
    <message>
        <source>Pressure unit</source>
        <translation>Druckeinheit</translation>
    </message>
    <message>
        <source>Fluid:</source>
        <translation>Medium:</translation>
    </message>
    <message>
        <source>Flow rate unit</source>
        <translation>Einheit des Volumenstroms</translation>
    </message>
    <message>
        <source>Nominal Size:</source>
        <translation>Nennweite:</translation>
    </message>
    <message>
        <source>Schedule:</source>
        <translation>Wandstärkenklasse:</translation>
    </message>
    <message>
        <source>Length unit</source>
        <translation>Längeneinheit</translation>
    </message>
    <message>
        <source>Pipe</source>
        <translation>Rohr</translation>
    </message>
    <message>
        <source>Tube</source>
        <translation>Leitung</translation>
    </message>
    <message>
        <source>(Max is normally the lesser of: 100 psi above system pressure or 5% above system pressure.)</source>
        <translation>(Der Höchstwert ist meist der kleinere von: 100 psi über dem Systemdruck oder 5 % über dem Systemdruck.)</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Leitung</translation>
    </message>
    <message>
        <source>Precharge pressure is 60% of the System Pressure</source>
        <translation>Der Vorfülldruck beträgt 60 % des Systemdrucks</translation>
    </message>
    <message>
        <source>The gas temperature is taken as %1: shock suppression has no temperature entry.</source>
        <translation>Die Gastemperatur wird mit %1 angenommen: die Druckstoßdämpfung hat keine Temperatureingabe.</translation>
    </message>
</context>
<context>
    <name>CSizingComparisonPanel</name>
    <message>
        <source>Ideal-Gas Comparison</source>
        <translation>Vergleich mit idealem Gas</translation>
    </message>
    <message>
        <source>Isothermal, ideal gas (n = 1.0):</source>
        <translation>Isotherm, ideales Gas (n = 1,0):</translation>
    </message>
    <message>
        <source>Adiabatic, ideal gas (n = 1.4):</source>
        <translation>Adiabat, ideales Gas (n = 1,4):</translation>
    </message>
    <message>
        <source>Shown for comparison: the selection uses the real-gas capacity above.</source>
        <translation>Nur zum Vergleich: Die Auswahl verwendet das obige Volumen des realen Gases.</translation>
    </message>
    <message>
        <source>Operating Temperature Range</source>
        <translation>Betriebstemperaturbereich</translation>
    </message>
    <message>
        <source>The accumulator cannot be shown over the operating range: %1.</source>
        <translation>Der Speicher kann über dem Betriebsbereich nicht dargestellt werden: %1.</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Precharge</source>
        <translation>Vorfülldruck</translation>
    </message>
    <message>
        <source>Delivered Volume</source>
        <translation>Abgegebenes Volumen</translation>
    </message>
    <message>
        <source>%1 (minimum)</source>
        <translation>%1 (Minimum)</translation>
    </message>
    <message>
        <source>%1 (system)</source>
        <translation>%1 (System)</translation>
    </message>
    <message>
        <source>%1 (maximum)</source>
        <translation>%1 (Maximum)</translation>
    </message>
    <message>
        <source>not computed</source>
        <translation>nicht berechnet</translation>
    </message>
    <message>
        <source>At %1 the precharge of %2 stays below the minimum system pressure of %3, as the precharge rule requires.</source>
        <translation>Bei %1 bleibt der Vorfülldruck von %2 unter dem minimalen Systemdruck von %3, wie es die Vorfüllregel verlangt.</translation>
    </message>
    <message>
        <source>Warning: at %1 the precharge of %2 is above the minimum system pressure of %3; the precharge rule is not met.</source>
        <translation>Warnung: Bei %1 liegt der Vorfülldruck von %2 über dem minimalen Systemdruck von %3; die Vorfüllregel ist nicht erfüllt.</translation>
    </message>
    <message>
        <source>Warning: at %1 the accumulator falls short of the required volume; it would need %2 (%3) there.</source>
        <translation>Warnung: Bei %1 liefert der Speicher weniger als das erforderliche Volumen; dort wären %2 (%3) nötig.</translation>
    </message>
    <message>
        <source>The accumulator delivers the required volume over the whole range.</source>
        <translation>Der Speicher liefert das erforderliche Volumen im ganzen Bereich.</translation>
    </message>
</context>
<context>
    <name>CSplashWnd</name>
    <message>
        <source>Tesmara Accumulator</source>
        <translation>Tesmara Accumulator</translation>
    </message>
    <message>
        <source>Tesmara</source>
        <translation>Tesmara</translation>
    </message>
    <message>
        <source>Accumulator</source>
        <translation>Accumulator</translation>
    </message>
    <message>
        <source>Sizing and selection of hydraulic accumulators</source>
        <translation>Auslegung und Auswahl von Hydrospeichern</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Dalrow Mestlin</source>
        <translation>Dalrow Mestlin</translation>
    </message>
</context>
<context>
    <name>CSupPumpCylDimensions</name>
    <message>
        <source>Cylinder Dimensions</source>
        <translation>Zylinderabmessungen</translation>
    </message>
    <message>
        <source>Bore Diameter:</source>
        <translation>Kolbendurchmesser:</translation>
    </message>
    <message>
        <source>Rod Diameter:</source>
        <translation>Stangendurchmesser:</translation>
    </message>
    <message>
        <source>Stroke Length:</source>
        <translation>Hublänge:</translation>
    </message>
    <message>
        <source>Number of Cylinders in Parallel:</source>
        <translation>Anzahl parallel geschalteter Zylinder:</translation>
    </message>
    <message>
        <source>Actuation Time:</source>
        <translation>Betätigungszeit:</translation>
    </message>
    <message>
        <source>Dwell Time:</source>
        <translation>Pausenzeit:</translation>
    </message>
    <message>
        <source>Cylinder unit</source>
        <translation>Einheit der Zylindermaße</translation>
    </message>
</context>
<context>
    <name>CSupPumpFlow</name>
    <message>
        <source>Minimum Pump Required:</source>
        <translation>Benötigte Mindestpumpe:</translation>
    </message>
    <message>
        <source>Is the Pump Running During Actuation:</source>
        <translation>Läuft die Pumpe während der Betätigung:</translation>
    </message>
    <message>
        <source>Supplementing Pump Flow</source>
        <translation>Ergänzung des Pumpenförderstroms</translation>
    </message>
    <message>
        <source>Pump Size:</source>
        <translation>Pumpengröße:</translation>
    </message>
    <message>
        <source>Maximum System Pressure:</source>
        <translation>Maximaler Systemdruck:</translation>
    </message>
    <message>
        <source>Minimum System Pressure:</source>
        <translation>Minimaler Systemdruck:</translation>
    </message>
    <message>
        <source>System Temperature:</source>
        <translation>Systemtemperatur:</translation>
    </message>
    <message>
        <source>Pump Size unit</source>
        <translation>Einheit der Pumpengröße</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Pressure unit</source>
        <translation>Druckeinheit</translation>
    </message>
    <message>
        <source>System Temperature unit</source>
        <translation>Einheit der Systemtemperatur</translation>
    </message>
    <message>
        <source>For a Bladder / Diaphragm Accumulator:</source>
        <translation>Für einen Blasen- / Membranspeicher:</translation>
    </message>
</context>
<context>
    <name>CSupPumpMultiEvent</name>
    <message>
        <source>Actuator Event Information</source>
        <translation>Angaben zum Verbraucherereignis</translation>
    </message>
    <message>
        <source>Actuator No.:</source>
        <translation>Verbraucher Nr.:</translation>
    </message>
    <message>
        <source>Event No.:</source>
        <translation>Ereignis Nr.:</translation>
    </message>
    <message>
        <source>Event Start Time:</source>
        <translation>Startzeit des Ereignisses:</translation>
    </message>
    <message>
        <source>Event Duration:</source>
        <translation>Dauer des Ereignisses:</translation>
    </message>
    <message>
        <source>Bore Diameter:</source>
        <translation>Kolbendurchmesser:</translation>
    </message>
    <message>
        <source>Rod Diameter:</source>
        <translation>Stangendurchmesser:</translation>
    </message>
    <message>
        <source>Stroke Length:</source>
        <translation>Hublänge:</translation>
    </message>
    <message>
        <source>I know my flow rate:</source>
        <translation>Ich kenne meinen Volumenstrom:</translation>
    </message>
    <message>
        <source>Flow rate unit</source>
        <translation>Einheit des Volumenstroms</translation>
    </message>
    <message>
        <source>I know my Volume of Fluid:</source>
        <translation>Ich kenne mein Flüssigkeitsvolumen:</translation>
    </message>
    <message>
        <source>Volume of Fluid unit</source>
        <translation>Einheit des Flüssigkeitsvolumens</translation>
    </message>
    <message>
        <source>Cylinder unit</source>
        <translation>Einheit der Zylindermaße</translation>
    </message>
    <message>
        <source>Is the Pump Available?</source>
        <translation>Ist die Pumpe verfügbar?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Volume of the Event</source>
        <translation>Volumen des Ereignisses</translation>
    </message>
    <message>
        <source>I know my Cylinder Dimensions</source>
        <translation>Ich kenne meine Zylinderabmessungen</translation>
    </message>
    <message>
        <source>Extend Volume</source>
        <translation>Ausfahrvolumen</translation>
    </message>
    <message>
        <source>Retract Volume</source>
        <translation>Einfahrvolumen</translation>
    </message>
    <message>
        <source>Extend and Retract Volume</source>
        <translation>Aus- und Einfahrvolumen</translation>
    </message>
</context>
<context>
    <name>CSupPumpSelCalcMethod</name>
    <message>
        <source>Select a Calculation Method</source>
        <translation>Berechnungsverfahren wählen</translation>
    </message>
    <message>
        <source>Known</source>
        <translation>Bekannt</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Gesucht</translation>
    </message>
    <message>
        <source>Required Volume</source>
        <translation>Benötigtes Volumen</translation>
    </message>
</context>
<context>
    <name>CSuppMultiGraph</name>
    <message>
        <source>Volume Graph</source>
        <translation>Volumendiagramm</translation>
    </message>
    <message>
        <source>Minimum pump flow:</source>
        <translation>Mindestförderstrom der Pumpe:</translation>
    </message>
    <message>
        <source>No graph: </source>
        <translation>Kein Diagramm: </translation>
    </message>
</context>
<context>
    <name>CSuppPumpActVolDispTime</name>
    <message>
        <source>Actuator Volumetric Displacement and Times</source>
        <translation>Verbraucher-Schluckvolumen und Zeiten</translation>
    </message>
    <message>
        <source>Actuator Volumetric Displacement:</source>
        <translation>Verbraucher-Schluckvolumen:</translation>
    </message>
    <message>
        <source>Actuation Time:</source>
        <translation>Betätigungszeit:</translation>
    </message>
    <message>
        <source>Dwell Time:</source>
        <translation>Pausenzeit:</translation>
    </message>
    <message>
        <source>Actuator Volumetric Displacement unit</source>
        <translation>Einheit des Verbraucher-Schluckvolumens</translation>
    </message>
</context>
<context>
    <name>CSuppPumpMultiAct</name>
    <message>
        <source>Supplementing Pump Flow - Multiple Events</source>
        <translation>Ergänzung des Pumpenförderstroms - mehrere Ereignisse</translation>
    </message>
    <message>
        <source>Maximum System Pressure:</source>
        <translation>Maximaler Systemdruck:</translation>
    </message>
    <message>
        <source>Minimum System Pressure:</source>
        <translation>Minimaler Systemdruck:</translation>
    </message>
    <message>
        <source>Total Duration of Cycle:</source>
        <translation>Gesamtzykluszeit:</translation>
    </message>
    <message>
        <source>Pressure unit</source>
        <translation>Druckeinheit</translation>
    </message>
    <message>
        <source>Actuator events</source>
        <translation>Verbraucherereignisse</translation>
    </message>
    <message>
        <source>Add &amp;Actuator</source>
        <translation>&amp;Verbraucher hinzufügen</translation>
    </message>
    <message>
        <source>Add &amp;Event</source>
        <translation>&amp;Ereignis hinzufügen</translation>
    </message>
    <message>
        <source>Delete Highlighted Event</source>
        <translation>Markiertes Ereignis löschen</translation>
    </message>
    <message>
        <source>Double Click on an event to edit</source>
        <translation>Doppelklick auf ein Ereignis zum Bearbeiten</translation>
    </message>
</context>
<context>
    <name>CSuppPumpMultiActPump</name>
    <message>
        <source>Minimum Pump Required:</source>
        <translation>Benötigte Mindestpumpe:</translation>
    </message>
    <message>
        <source>Supplementing Pump Flow</source>
        <translation>Ergänzung des Pumpenförderstroms</translation>
    </message>
    <message>
        <source>Select Pump Size:</source>
        <translation>Pumpengröße wählen:</translation>
    </message>
    <message>
        <source>System Temperature:</source>
        <translation>Systemtemperatur:</translation>
    </message>
    <message>
        <source>Pump Size unit</source>
        <translation>Einheit der Pumpengröße</translation>
    </message>
    <message>
        <source>System Temperature unit</source>
        <translation>Einheit der Systemtemperatur</translation>
    </message>
    <message>
        <source>View Volume Graph</source>
        <translation>Volumendiagramm anzeigen</translation>
    </message>
    <message>
        <source>For a Bladder Accumulator:</source>
        <translation>Für einen Blasenspeicher:</translation>
    </message>
</context>
<context>
    <name>CTipDialog</name>
    <message>
        <source>Tip of the Day</source>
        <translation>Tipp des Tages</translation>
    </message>
    <message>
        <source>Did you know...</source>
        <translation>Wussten Sie schon ...</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>&amp;Show tips at startup</source>
        <translation>&amp;Tipps beim Start anzeigen</translation>
    </message>
    <message>
        <source>Show tips at startup</source>
        <translation>Tipps beim Start anzeigen</translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation>&amp;Nächster Tipp</translation>
    </message>
    <message>
        <source>Next Tip</source>
        <translation>Nächster Tipp</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>CToolAccOutputResult</name>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Required Accumulator Capacity:</source>
        <translation>Benötigtes Speichervolumen:</translation>
    </message>
    <message>
        <source>Precharge Pressure:</source>
        <translation>Vorfülldruck:</translation>
    </message>
    <message>
        <source>Polytropic Exponent:</source>
        <translation>Polytropenexponent:</translation>
    </message>
</context>
<context>
    <name>CToolEffectTempPrechgResult</name>
    <message>
        <source>Effects of Temperature on Precharge</source>
        <translation>Temperatureinfluss auf den Vorfülldruck</translation>
    </message>
    <message>
        <source>Beginning Temperature:</source>
        <translation>Anfangstemperatur:</translation>
    </message>
    <message>
        <source>Final Temperature:</source>
        <translation>Endtemperatur:</translation>
    </message>
    <message>
        <source>Beginning Pressure:</source>
        <translation>Anfangsdruck:</translation>
    </message>
    <message>
        <source>Final Pressure:</source>
        <translation>Enddruck:</translation>
    </message>
</context>
<context>
    <name>CToolOutputExisting</name>
    <message>
        <source>I have a Precharge Pressure of:</source>
        <translation>Ich habe einen Vorfülldruck von:</translation>
    </message>
    <message>
        <source>For a Piston Accumulator:</source>
        <translation>Für einen Kolbenspeicher:</translation>
    </message>
    <message>
        <source>For a Bladder / Diaphragm Accumulator:</source>
        <translation>Für einen Blasen- / Membranspeicher:</translation>
    </message>
    <message>
        <source>Calculate the Output of Existing Accumulator</source>
        <translation>Leistung eines vorhandenen Speichers berechnen</translation>
    </message>
    <message>
        <source>Maximum System Pressure:</source>
        <translation>Maximaler Systemdruck:</translation>
    </message>
    <message>
        <source>Minimum System Pressure:</source>
        <translation>Minimaler Systemdruck:</translation>
    </message>
    <message>
        <source>Discharge Time:</source>
        <translation>Entladezeit:</translation>
    </message>
    <message>
        <source>Accumulator Volume:</source>
        <translation>Speichervolumen:</translation>
    </message>
    <message>
        <source>Estimated:</source>
        <translation>Geschätzt:</translation>
    </message>
    <message>
        <source>Pressure unit</source>
        <translation>Druckeinheit</translation>
    </message>
    <message>
        <source>Accumulator Volume unit</source>
        <translation>Einheit des Speichervolumens</translation>
    </message>
    <message>
        <source>System Temperature unit</source>
        <translation>Einheit der Systemtemperatur</translation>
    </message>
    <message>
        <source>System Temperature</source>
        <translation>Systemtemperatur</translation>
    </message>
    <message>
        <source>Estimated System Temperature</source>
        <translation>Geschätzte Systemtemperatur</translation>
    </message>
    <message>
        <source>Precharge Pressure</source>
        <translation>Vorfülldruck</translation>
    </message>
    <message>
        <source>Tesmara optimizes the Precharge Pressure:</source>
        <translation>Tesmara optimiert den Vorfülldruck:</translation>
    </message>
    <message>
        <source>The output cannot be computed with these entries: %1.</source>
        <translation>Die Leistung kann mit diesen Eingaben nicht berechnet werden: %1.</translation>
    </message>
</context>
<context>
    <name>CToolTempEffectPrecharge</name>
    <message>
        <source>Effects of Temperature on Pre-charge</source>
        <translation>Temperatureinfluss auf den Vorfülldruck</translation>
    </message>
    <message>
        <source>Beginning Temperature:</source>
        <translation>Anfangstemperatur:</translation>
    </message>
    <message>
        <source>Final Temperature:</source>
        <translation>Endtemperatur:</translation>
    </message>
    <message>
        <source>Beginning Pressure:</source>
        <translation>Anfangsdruck:</translation>
    </message>
    <message>
        <source>Final Pressure:</source>
        <translation>Enddruck:</translation>
    </message>
    <message>
        <source>Temperature unit</source>
        <translation>Temperatureinheit</translation>
    </message>
    <message>
        <source>Pressure unit</source>
        <translation>Druckeinheit</translation>
    </message>
    <message>
        <source>Enter your system temperatures</source>
        <translation>Ihre Systemtemperaturen eingeben</translation>
    </message>
    <message>
        <source>The pressure cannot be computed with these entries: %1.</source>
        <translation>Der Druck kann mit diesen Eingaben nicht berechnet werden: %1.</translation>
    </message>
</context>
<context>
    <name>CTransferBarrier</name>
    <message>
        <source>Choose Transfer Barrier Accumulator</source>
        <translation>Trennspeicher wählen</translation>
    </message>
    <message>
        <source>Transfer barriers</source>
        <translation>Trennspeicher</translation>
    </message>
    <message>
        <source>Select One of the following options to filter the list above.</source>
        <translation>Wählen Sie eine der folgenden Optionen, um die Liste oben zu filtern.</translation>
    </message>
    <message>
        <source>Pressure Rating:</source>
        <translation>Nenndruck:</translation>
    </message>
    <message>
        <source>Service:</source>
        <translation>Einsatz:</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Volumen:</translation>
    </message>
</context>
<context>
    <name>CUnitConverter</name>
    <message>
        <source>Unit Conversion</source>
        <translation>Einheitenumrechnung</translation>
    </message>
    <message>
        <source>Unit
Category</source>
        <translation>Einheiten-
kategorie</translation>
    </message>
    <message>
        <source>Input
Value</source>
        <translation>Eingabe-
wert</translation>
    </message>
    <message>
        <source>From
Unit</source>
        <translation>Von
Einheit</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>To
Unit</source>
        <translation>In
Einheit</translation>
    </message>
</context>
<context>
    <name>CommandLinePrint</name>
    <message>
        <source>No printer is installed: the selection report was not printed.</source>
        <translation>Es ist kein Drucker installiert: Der Auswahlbericht wurde nicht gedruckt.</translation>
    </message>
    <message>
        <source>The report could not be printed on %1.</source>
        <translation>Der Bericht konnte nicht auf %1 gedruckt werden.</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
</context>
</TS>
