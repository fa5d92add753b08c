-- The one definition of the project database. The build turns it into the
-- empty Formulario.Mdb shipped in the program's folder; the program itself
-- never creates or alters a table.
--
-- Declared types carry meaning for the database layer:
--   BOOLEAN -> bool, INTEGER/COUNTER -> 64-bit integer, DOUBLE/CURRENCY -> double,
--   TEXT/MEMO -> text, DATETIME -> date-time.
-- Field order matters where a table is read by position.
-- Indexes are named "<table>.<index name>" so that the layer can find an
-- index by the pair (table, name), case-insensitively.
-- Each statement ends with a semicolon at the end of a line.

CREATE TABLE Principale (
  Id INTEGER PRIMARY KEY AUTOINCREMENT,
  CodiceEnte TEXT,
  Oggetto TEXT,
  UltimaModifica TEXT
  -- section 1 fields (Principale)
  -- section 2 fields (Principale)
);
CREATE UNIQUE INDEX "Principale.PrimaryKey" ON Principale (Id);

CREATE TABLE Secondario (
  Id INTEGER
  -- section 1 fields (Secondario)
  -- section 2 fields (Secondario)
);
CREATE INDEX "Secondario.ID" ON Secondario (Id);

CREATE TABLE TabAzioni (
  Id INTEGER PRIMARY KEY,
  Descrizione TEXT,
  Gruppo INTEGER
);
CREATE UNIQUE INDEX "TabAzioni.PrimaryKey" ON TabAzioni (Id);

INSERT INTO TabAzioni (Id, Descrizione, Gruppo) VALUES
  (1, 'Formazione', 1),
  (2, 'Supporto alla integrazione sistemi', 1),
  (3, 'Orientamento / Consulenza', 1),
  (4, 'Potenziamento attrezzature strutture', 1),
  (5, 'Accompagnamento alle politiche occupazionali', 1),
  (6, 'Sperimentazione figure integrazione', 1),
  (7, 'Progettazione di percorsi', 1),
  (8, 'Analisi dei fabbisogni - Studi ed analisi sui target e modalità attuative', 1),
  (9, 'Orientamento / Consulenza', 2),
  (10, 'Work experience', 2),
  (11, 'Formazione', 2),
  (12, 'Percorsi integrati di inserimento lavorativo', 2),
  (13, 'Moduli professionalizzanti', 2),
  (14, 'Borse di formazione', 2),
  (15, 'Sostegno alla creazione d''impresa (incentivi)', 2),
  (16, 'Sostegno al reddito (borse lavoro)', 2),
  (17, 'Consulenza ed accompagnamento alla creazione d''impresa', 2),
  (18, 'Sensibilizzazione, informazione e pubblicità', 3),
  (19, 'Supporto all''efficacia delle misure', 3);

-- further tables
