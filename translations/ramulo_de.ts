<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>CRamuloCtrl</name>
    <message>
        <source>New Vertex</source>
        <translation>Neuer Knoten</translation>
    </message>
    <message>
        <source>New Outcoming Edge</source>
        <translation>Neue ausgehende Kante</translation>
    </message>
    <message>
        <source>New Incoming Edge</source>
        <translation>Neue eingehende Kante</translation>
    </message>
    <message>
        <source>Delete Vertex</source>
        <translation>Knoten löschen</translation>
    </message>
    <message>
        <source>Delete Edge</source>
        <translation>Kante löschen</translation>
    </message>
    <message>
        <source>Vertex Appearance...</source>
        <translation>Knotendarstellung...</translation>
    </message>
    <message>
        <source>Vertex Properties...</source>
        <translation>Knoteneigenschaften...</translation>
    </message>
    <message>
        <source>Center of Radial Layout</source>
        <translation>Zentrum des radialen Layouts</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>Edge Appearance...</source>
        <translation>Kantendarstellung...</translation>
    </message>
    <message>
        <source>Edge Properties...</source>
        <translation>Kanteneigenschaften...</translation>
    </message>
    <message>
        <source>Tree Appearance...</source>
        <translation>Baumdarstellung...</translation>
    </message>
    <message>
        <source>Tree Properties...</source>
        <translation>Baumeigenschaften...</translation>
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
        <source>Rotate Right 90°</source>
        <translation>90° nach rechts drehen</translation>
    </message>
    <message>
        <source>Rotate Left 90°</source>
        <translation>90° nach links drehen</translation>
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
        <source>Select All Vertices</source>
        <translation>Alle Knoten auswählen</translation>
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
        <source>Custom Graph Command</source>
        <translation>Eigener Graphbefehl</translation>
    </message>
    <message>
        <source>Custom Vertex Command</source>
        <translation>Eigener Knotenbefehl</translation>
    </message>
    <message>
        <source>Custom Edge Command</source>
        <translation>Eigener Kantenbefehl</translation>
    </message>
    <message>
        <source>Ramulo Control</source>
        <translation>Ramulo Control</translation>
    </message>
    <message>
        <source>RamuloCtrl Error</source>
        <translation>RamuloCtrl-Fehler</translation>
    </message>
    <message>
        <source>Nodalyx Files</source>
        <translation>Nodalyx-Dateien</translation>
    </message>
    <message>
        <source>Nodalyx File</source>
        <translation>Nodalyx-Datei</translation>
    </message>
    <message>
        <source>XML Files</source>
        <translation>XML-Dateien</translation>
    </message>
    <message>
        <source>XML File</source>
        <translation>XML-Datei</translation>
    </message>
    <message>
        <source>Do you want to remove vertex %1 from the tree?</source>
        <translation>Möchten Sie Knoten %1 aus dem Baum entfernen?</translation>
    </message>
    <message>
        <source>Do you want to remove edge %1 from the tree?</source>
        <translation>Möchten Sie Kante %1 aus dem Baum entfernen?</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>One page, actual size (cut at the page&apos;s edge)</source>
        <translation>Eine Seite in Originalgröße (am Seitenrand abgeschnitten)</translation>
    </message>
    <message>
        <source>Fit to page</source>
        <translation>An Seite anpassen</translation>
    </message>
    <message>
        <source>Tile over as many pages as it takes</source>
        <translation>Auf so viele Seiten wie nötig verteilen</translation>
    </message>
    <message>
        <source>One page, actual size</source>
        <translation>Eine Seite in Originalgröße</translation>
    </message>
    <message>
        <source>Tile over pages</source>
        <translation>Auf Seiten verteilen</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drucken...</translation>
    </message>
    <message>
        <source>Print Preview...</source>
        <translation>Druckvorschau...</translation>
    </message>
    <message>
        <source>Properties...</source>
        <translation>Eigenschaften...</translation>
    </message>
    <message>
        <source>About Ramulo Control...</source>
        <translation>Über Ramulo Control...</translation>
    </message>
    <message>
        <source>Revision %1 (%2)</source>
        <translation>Revision %1 (%2)</translation>
    </message>
    <message>
        <source>About Ramulo Control</source>
        <translation>Über Ramulo Control</translation>
    </message>
    <message>
        <source>Ramulo Control, Version 1.3,</source>
        <translation>Ramulo Control, Version 1.3,</translation>
    </message>
    <message>
        <source>Editing Enabled</source>
        <translation>Bearbeiten erlaubt</translation>
    </message>
    <message>
        <source>New Enabled</source>
        <translation>Neu erlaubt</translation>
    </message>
    <message>
        <source>File IO Enabled</source>
        <translation>Dateizugriff erlaubt</translation>
    </message>
    <message>
        <source>Rotation Enabled</source>
        <translation>Drehen erlaubt</translation>
    </message>
    <message>
        <source>Hierarchical Layout Enabled</source>
        <translation>Hierarchisches Layout erlaubt</translation>
    </message>
    <message>
        <source>Radial Layout Enabled</source>
        <translation>Radiales Layout erlaubt</translation>
    </message>
    <message>
        <source>Force Directed Layout Enabled</source>
        <translation>Kräftebasiertes Layout erlaubt</translation>
    </message>
    <message>
        <source>Double-Click Enabled</source>
        <translation>Doppelklick erlaubt</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Ramulo Properties</source>
        <translation>Ramulo-Eigenschaften</translation>
    </message>
    <message>
        <source>Vertex %1</source>
        <translation>Knoten %1</translation>
    </message>
    <message>
        <source>Edge %1</source>
        <translation>Kante %1</translation>
    </message>
    <message>
        <source>Arranging</source>
        <translation>Anordnen</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Saving</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Drawing</source>
        <translation>Zeichnen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
</TS>
