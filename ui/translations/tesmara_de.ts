<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
</context>
</TS>
