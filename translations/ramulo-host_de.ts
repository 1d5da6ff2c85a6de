<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>RamuloHostWindow</name>
    <message>
        <source>Events</source>
        <translation>Ereignisse</translation>
    </message>
    <message>
        <source>Script</source>
        <translation>Skript</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <source>Right-click the drawing for its menus</source>
        <translation>Rechtsklick auf die Zeichnung öffnet ihre Menüs</translation>
    </message>
    <message>
        <source>Ramulo Host</source>
        <translation>Ramulo Host</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
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
        <source>&amp;Export Drawing...</source>
        <translation>Zeichnung &amp;exportieren...</translation>
    </message>
    <message>
        <source>Print &amp;Layout</source>
        <translation>Druck&amp;layout</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Export Drawing</source>
        <translation>Zeichnung exportieren</translation>
    </message>
    <message>
        <source>PNG image (*.png);;SVG drawing (*.svg);;PDF document (*.pdf)</source>
        <translation>PNG-Bild (*.png);;SVG-Zeichnung (*.svg);;PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>&amp;Document</source>
        <translation>&amp;Dokument</translation>
    </message>
    <message>
        <source>Counts</source>
        <translation>Anzahlen</translation>
    </message>
    <message>
        <source>&amp;Editing</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Remove Selected Vertices</source>
        <translation>Ausgewählte Knoten entfernen</translation>
    </message>
    <message>
        <source>Remove Selected Edges</source>
        <translation>Ausgewählte Kanten entfernen</translation>
    </message>
    <message>
        <source>Select All Vertices</source>
        <translation>Alle Knoten auswählen</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Eigenschaften</translation>
    </message>
    <message>
        <source>Switches</source>
        <translation>Schalter</translation>
    </message>
    <message>
        <source>List Property Types</source>
        <translation>Eigenschaftstypen auflisten</translation>
    </message>
    <message>
        <source>Selected Vertex Values</source>
        <translation>Werte der ausgewählten Knoten</translation>
    </message>
    <message>
        <source>&amp;Appearance</source>
        <translation>&amp;Darstellung</translation>
    </message>
    <message>
        <source>Default Vertex</source>
        <translation>Standardknoten</translation>
    </message>
    <message>
        <source>Selected Vertices</source>
        <translation>Ausgewählte Knoten</translation>
    </message>
    <message>
        <source>Default Edge</source>
        <translation>Standardkante</translation>
    </message>
    <message>
        <source>Selected Edges</source>
        <translation>Ausgewählte Kanten</translation>
    </message>
    <message>
        <source>Background Colour...</source>
        <translation>Hintergrundfarbe...</translation>
    </message>
    <message>
        <source>&amp;Layout</source>
        <translation>&amp;Layout</translation>
    </message>
    <message>
        <source>Hierarchical Layout</source>
        <translation>Hierarchisches Layout</translation>
    </message>
    <message>
        <source>Radial Layout</source>
        <translation>Radiales Layout</translation>
    </message>
    <message>
        <source>Force-Directed Layout</source>
        <translation>Kräftebasiertes Layout</translation>
    </message>
    <message>
        <source>Label-Aware Spacing</source>
        <translation>Platz für Beschriftungen</translation>
    </message>
    <message>
        <source>Layout Parameters...</source>
        <translation>Layoutparameter...</translation>
    </message>
    <message>
        <source>Layer separation</source>
        <translation>Ebenenabstand</translation>
    </message>
    <message>
        <source>Sibling separation</source>
        <translation>Geschwisterabstand</translation>
    </message>
    <message>
        <source>Rotate Right 90</source>
        <translation>90 nach rechts drehen</translation>
    </message>
    <message>
        <source>Rotate Left 90</source>
        <translation>90 nach links drehen</translation>
    </message>
    <message>
        <source>Flip Vertical</source>
        <translation>Vertikal spiegeln</translation>
    </message>
    <message>
        <source>Flip Horizontal</source>
        <translation>Horizontal spiegeln</translation>
    </message>
    <message>
        <source>&amp;Menu Items</source>
        <translation>&amp;Menüeinträge</translation>
    </message>
    <message>
        <source>Item text</source>
        <translation>Text des Eintrags</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Steuerelement</translation>
    </message>
    <message>
        <source>One Page, Actual Size</source>
        <translation>Eine Seite, Originalgröße</translation>
    </message>
    <message>
        <source>Fit to Page</source>
        <translation>An Seite anpassen</translation>
    </message>
    <message>
        <source>Tile over Pages</source>
        <translation>Auf Seiten verteilen</translation>
    </message>
    <message>
        <source>0: empty document</source>
        <translation>0: leeres Dokument</translation>
    </message>
    <message>
        <source>1: a small tree</source>
        <translation>1: ein kleiner Baum</translation>
    </message>
    <message>
        <source>2: a wide tree</source>
        <translation>2: ein breiter Baum</translation>
    </message>
    <message>
        <source>3: a large tree</source>
        <translation>3: ein großer Baum</translation>
    </message>
    <message>
        <source>4: icons (drives)</source>
        <translation>4: Symbole (Laufwerke)</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Graph</translation>
    </message>
    <message>
        <source>Vertex</source>
        <translation>Knoten</translation>
    </message>
    <message>
        <source>Edge</source>
        <translation>Kante</translation>
    </message>
    <message>
        <source>Add %1 Menu Item...</source>
        <translation>Menüeintrag für %1 hinzufügen...</translation>
    </message>
    <message>
        <source>Clear %1 Menu Items</source>
        <translation>Menüeinträge für %1 löschen</translation>
    </message>
</context>
<context>
    <name>ScriptConsole</name>
    <message>
        <source>Run</source>
        <translation>Ausführen</translation>
    </message>
    <message>
        <source>Run the script (Ctrl+Return)</source>
        <translation>Skript ausführen (Strg+Eingabe)</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
</context>
</TS>
