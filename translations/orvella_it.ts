<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>CommonDialog</name>
    <message>
        <source>Image (*.jpg)|*.JPG</source>
        <translation>Immagine (*.jpg)|*.JPG</translation>
    </message>
</context>
<context>
    <name>FrmMain</name>
    <message>
        <source>The photo does not have the proportions of the document: select the face on the photo again.</source>
        <translation>Attenzione, la foto non ha le proporzioni del documento: selezionare di nuovo il viso sulla foto.</translation>
    </message>
    <message>
        <source>Nessun viso trovato nella foto</source>
        <translation>Nessun viso trovato nella foto</translation>
    </message>
    <message>
        <source>Poco spazio intorno alla testa: inquadratura più vicina</source>
        <translation>Poco spazio intorno alla testa: inquadratura più vicina</translation>
    </message>
    <message>
        <source>Testa troppo grande per la foto: inquadratura più vicina</source>
        <translation>Testa troppo grande per la foto: inquadratura più vicina</translation>
    </message>
    <message>
        <source>Zoom in percent</source>
        <translation>Zoom in percentuale</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Luminosità</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contrasto</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Sheet of photos</source>
        <translation>Foglio delle foto</translation>
    </message>
    <message>
        <source>Framing of the face</source>
        <translation>Inquadratura del viso</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Nothing is selected to copy</source>
        <translation>Non c&apos;è nessuna selezione da copiare: selezionare prima il viso sulla foto.</translation>
    </message>
    <message>
        <source>No image to paste into</source>
        <translation>Non c&apos;è nessuna immagine in cui incollare.</translation>
    </message>
    <message>
        <source>The clipboard holds no picture</source>
        <translation>Gli appunti non contengono nessuna immagine.</translation>
    </message>
    <message>
        <source>Marks are not switched on</source>
        <translation>I segni di taglio non sono attivati.</translation>
    </message>
    <message>
        <source>No image to mark</source>
        <translation>Non c&apos;è nessuna immagine su cui tracciare i segni di taglio.</translation>
    </message>
    <message>
        <source>No image to save as %1</source>
        <translation>Non c&apos;è nessuna immagine da salvare come %1.</translation>
    </message>
    <message>
        <source>Path/File access error: cannot write %1 (%2)</source>
        <translation>Impossibile scrivere %1: %2.</translation>
    </message>
    <message>
        <source>No image to print</source>
        <translation>Non c&apos;è nessuna immagine da stampare.</translation>
    </message>
    <message>
        <source>Printer error: %1 failed to print the sheet</source>
        <translation>Errore della stampante: la stampante %1 non ha stampato il foglio.</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>File non trovato: %1</translation>
    </message>
    <message>
        <source>the file is truncated</source>
        <translation>il file è troncato</translation>
    </message>
    <message>
        <source>Printer error: %1</source>
        <translation>Errore della stampante: %1</translation>
    </message>
    <message>
        <source>Invalid procedure call: %1 copies</source>
        <translation>Numero di copie non valido: %1</translation>
    </message>
    <message>
        <source>cannot start a new page on %1</source>
        <translation>impossibile cominciare una nuova pagina su %1</translation>
    </message>
    <message>
        <source>cannot start printing on %1</source>
        <translation>impossibile cominciare a stampare su %1</translation>
    </message>
    <message>
        <source>the document could not be sent to %1</source>
        <translation>impossibile inviare il documento a %1</translation>
    </message>
    <message>
        <source>no printer is installed</source>
        <translation>nessuna stampante installata</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Chiamata di routine o argomento non validi</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Valore troppo grande (overflow)</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memoria esaurita</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indice non compreso nell&apos;intervallo</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Divisione per zero</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>File non trovato</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Errore di accesso al percorso o al file</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Immagine non valida</translation>
    </message>
    <message>
        <source>Printer error</source>
        <translation>Errore della stampante</translation>
    </message>
    <message>
        <source>Cancel was selected.</source>
        <translation>È stato scelto Annulla.</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Errore definito dall&apos;applicazione o dall&apos;oggetto</translation>
    </message>
    <message>
        <source>Cannot start the image library: %1</source>
        <translation>Impossibile avviare la libreria delle immagini: %1</translation>
    </message>
    <message>
        <source>Invalid photo size: %1 x %2</source>
        <translation>Dimensioni della foto non valide: %1 x %2</translation>
    </message>
    <message>
        <source>Invalid picture: the clipboard holds no picture of the selection</source>
        <translation>Immagine non valida: gli appunti non contengono l&apos;immagine della selezione. Selezionare di nuovo il viso sulla foto.</translation>
    </message>
    <message>
        <source>Division by zero: the photo has no default selection to take the document&apos;s proportions from (%1 x %2 pixels)</source>
        <translation>Divisione per zero: la foto non ha una selezione predefinita da cui prendere le proporzioni del documento (%1 x %2 pixel). Aprire di nuovo la foto.</translation>
    </message>
    <message>
        <source>Overflow: the selection is %1 x %2 pixels; it may be at most 32767 pixels on each side</source>
        <translation>Selezione troppo grande: %1 x %2 pixel, ogni lato può misurare al massimo 32767 pixel. Selezionare una parte più piccola della foto.</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Errore interno del programma</translation>
    </message>
    <message>
        <source>Internal error: %1</source>
        <translation>Errore interno del programma: %1</translation>
    </message>
    <message>
        <source>Printer error: the sheet needs %1, more than the printable area of the paper %2 on %3 (%4)</source>
        <translation>Errore della stampante: il foglio richiede %1, più dell&apos;area stampabile della carta %2 sulla stampante %3 (%4). Scegliere una carta più grande nelle proprietà della stampante.</translation>
    </message>
    <message>
        <source>Printer error: the copies and their cut marks need %1, more than the printable area of the paper %2 on %3 (%4)</source>
        <translation>Errore della stampante: le foto con i loro segni di taglio richiedono %1, più dell&apos;area stampabile della carta %2 sulla stampante %3 (%4). Scegliere una carta più grande nelle proprietà della stampante.</translation>
    </message>
    <message>
        <source>no permission to read it</source>
        <translation>non si hanno i permessi per leggerlo</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>è una cartella, non un file</translation>
    </message>
    <message>
        <source>no space left on the disk</source>
        <translation>spazio esaurito sul disco</translation>
    </message>
    <message>
        <source>no permission to write in its folder</source>
        <translation>non si hanno i permessi per scrivere nella sua cartella</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>il disco è in sola lettura</translation>
    </message>
    <message>
        <source>its folder does not exist</source>
        <translation>la sua cartella non esiste</translation>
    </message>
    <message>
        <source>a folder has that name</source>
        <translation>al suo posto c&apos;è una cartella</translation>
    </message>
    <message>
        <source>it is not a regular file but a pipe, a device or a socket</source>
        <translation>non è un file normale ma una pipe, un dispositivo o un socket</translation>
    </message>
    <message>
        <source>the file is too large: %1 MB, more than %2 MB</source>
        <translation>il file è troppo grande: %1 MB, più di %2 MB</translation>
    </message>
    <message>
        <source>the picture is too large: %1 x %2 pixels, more than %3 MB decoded</source>
        <translation>l&apos;immagine è troppo grande: %1 x %2 pixel, più di %3 MB una volta decodificata</translation>
    </message>
    <message>
        <source>the picture claims %1 x %2 pixels, more than a file of %3 bytes can hold</source>
        <translation>l&apos;immagine dichiara %1 x %2 pixel, più di quanti un file di %3 byte ne possa contenere</translation>
    </message>
    <message>
        <source>not enough memory for its %1 x %2 pixels</source>
        <translation>memoria insufficiente per i suoi %1 x %2 pixel</translation>
    </message>
    <message>
        <source>the picture data are damaged</source>
        <translation>i dati dell&apos;immagine sono danneggiati</translation>
    </message>
    <message>
        <source>the JPEG cannot be decoded: %1</source>
        <translation>il JPEG non si può decodificare: %1</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>il file è in sola lettura</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>il file è vuoto</translation>
    </message>
    <message>
        <source>the file is not a picture</source>
        <translation>il file non è un&apos;immagine</translation>
    </message>
    <message>
        <source>the picture cannot be encoded</source>
        <translation>l&apos;immagine non si può codificare</translation>
    </message>
    <message>
        <source>%1 did not take the job: %2</source>
        <translation>la stampante %1 non ha accettato la stampa: %2</translation>
    </message>
    <message>
        <source>Cannot resample the photo: %1</source>
        <translation>Impossibile ridimensionare la foto: %1</translation>
    </message>
    <message>
        <source>Invalid picture: %1 (%2). Choose another photo.</source>
        <translation>Immagine non valida: %1 (%2). Scegliere un&apos;altra foto.</translation>
    </message>
</context>
</TS>
