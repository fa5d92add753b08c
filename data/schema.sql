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
  , Priorita INTEGER
  , OperatoreDP BOOLEAN
  , OperatoreDPrivato BOOLEAN
  , FiniLucro BOOLEAN
  , NofiniLucro BOOLEAN
  , Cofinanziamento INTEGER
  , AttivitaFormativa INTEGER
  , RagioneSociale TEXT
  , Natura TEXT
  , PIVA TEXT
  , CF TEXT
  , Indirizzo TEXT
  , Cap TEXT
  , Comune TEXT
  , Provincia TEXT
  , Telefono TEXT
  , Fax TEXT
  , Asse TEXT
  , Misura TEXT
  , UsufruitoKVR BOOLEAN
  -- section 1 fields (Principale)
  , ATS BOOLEAN
  , finilucro1 BOOLEAN
  , ComboAnno TEXT
  , Denominazione TEXT
  , SedeLegale TEXT
  , Cap1 TEXT
  , Citta1 TEXT
  , Prov1 TEXT
  , Telefono1 TEXT
  , Fax1 TEXT
  , SedeRegione TEXT
  , Cap2 TEXT
  , Citta2 TEXT
  , Prov2 TEXT
  , Telefono2 TEXT
  , Fax2 TEXT
  , LegaleRappresentante TEXT
  , natoa TEXT
  , DNascitaLR DATETIME
  , Residente TEXT
  , CF1 TEXT
  , Estremi TEXT
  , AmbitoTerritoriale INTEGER
  , AttoCostitutivo TEXT
  , SettoreAppartenenza TEXT
  , AnnoCostituzione INTEGER
  , IscrizioneCCIAA TEXT
  , RegistroPrefettizio TEXT
  , SedeoSedi INTEGER
  , Attrezzatureadispo MEMO
  , PrincipaliAttivita MEMO
  , CorsiALNumA1 INTEGER
  , CorsiALOreA1 INTEGER
  , CorsiPubbliciNumA1 INTEGER
  , CorsiPubbliciOreA1 INTEGER
  , CorsiPubbliciFinA1 INTEGER
  , CorsiPrivatiNumA1 INTEGER
  , CorsiPrivatiOreA1 INTEGER
  , CorsiPrivatiFinA1 INTEGER
  , CorsiKVRProg1A1 TEXT
  , CorsiKVRProg2A1 TEXT
  , CorsiKVRProg3A1 TEXT
  , CorsiKVRProg4A1 TEXT
  , CorsiALNumA2 INTEGER
  , CorsiALOreA2 INTEGER
  , CorsiPubbliciNumA2 INTEGER
  , CorsiPubbliciOreA2 INTEGER
  , CorsiPubbliciFinA2 INTEGER
  , CorsiPrivatiNumA2 INTEGER
  , CorsiPrivatiOreA2 INTEGER
  , CorsiPrivatiFinA2 INTEGER
  , CorsiKVRProg1A2 TEXT
  , CorsiKVRProg2A2 TEXT
  , CorsiKVRProg3A2 TEXT
  , CorsiKVRProg4A2 TEXT
  , CorsiALNumA3 INTEGER
  , CorsiALOreA3 INTEGER
  , CorsiPubbliciNumA3 INTEGER
  , CorsiPubbliciOreA3 INTEGER
  , CorsiPubbliciFinA3 INTEGER
  , CorsiPrivatiNumA3 INTEGER
  , CorsiPrivatiOreA3 INTEGER
  , CorsiPrivatiFinA3 INTEGER
  , CorsiKVRProg1A3 TEXT
  , CorsiKVRProg2A3 TEXT
  , CorsiKVRProg3A3 TEXT
  , CorsiKVRProg4A3 TEXT
  , IscrittiInizioA1 INTEGER
  , IscrittiFineA1 INTEGER
  , IscrittiInizioA2 INTEGER
  , IscrittiFineA2 INTEGER
  , IscrittiInizioA3 INTEGER
  , IscrittiFineA3 INTEGER
  , OccRealFormazione INTEGER
  , OccRealCoerente BOOLEAN
  , OccMantenuta INTEGER
  , OccMantCoerente BOOLEAN
  , RelazioneSintetica MEMO
  -- section 2 fields (Principale)
  , AnalisiContesto MEMO
  , DescrizioneSintetica MEMO
  , FoglioGrafico TEXT
  , ElementiPOP MEMO
  , CollegamentiPOP MEMO
  , PattiTerritoriali MEMO
  , Accordi MEMO
  , IndividuazioneUtenti MEMO
  , AutonomaFonti MEMO
  , RispostoEsigenze MEMO
  , MantenimentoN INTEGER
  , MantenimentoPresso TEXT
  , CreazioneN INTEGER
  , CreazionePresso TEXT
  , MiglioramentoN INTEGER
  , MiglioramentoPresso TEXT
  , AutonomaN INTEGER
  , AutonomaPresso TEXT
  , Adeguare BOOLEAN
  , Seinterventoadeguare MEMO
  , Supportare BOOLEAN
  , SeinterventoSuppo MEMO
  , SupportareProcessi BOOLEAN
  , SeinterventoProcessi MEMO
  , VerificaCompetenze MEMO
  , Normative MEMO
  , Pubblicizzazione MEMO
  , Modalita MEMO
  , DescrModuliOrienta MEMO
  , DescrModuliFormax MEMO
  , lingua INTEGER
  , LinguaStr2 TEXT
  , Metodologie MEMO
  , VerificheAllievi MEMO
  , VerificheDocenti MEMO
  , VerificheRisultati MEMO
  , VerificheFinali MEMO
  -- section 3 fields (Principale)
);
CREATE UNIQUE INDEX "Principale.PrimaryKey" ON Principale (Id);

CREATE TABLE Secondario (
  Id INTEGER
  , CostoProgetto INTEGER
  , OreTeoria INTEGER
  , OrePratica INTEGER
  , Allievi INTEGER
  , Allieve INTEGER
  -- section 1 fields (Secondario)
  , Banca TEXT
  , Sede TEXT
  , ABI TEXT
  , CAB TEXT
  , ContoCorrente TEXT
  , IndirizzoBanca TEXT
  , nUnita1 INTEGER
  , rapporto1 TEXT
  , nUnita2 INTEGER
  , rapporto2 TEXT
  , nUnita3 INTEGER
  , rapporto3 TEXT
  , nUnita4 INTEGER
  , rapporto4 TEXT
  , nUnita5 INTEGER
  , rapporto5 TEXT
  , Altro5 TEXT
  -- section 2 fields (Secondario)
  , OrePrevPratica INTEGER
  , OrePrevTeoria INTEGER
  , OrePrevEsercit INTEGER
  , OrePrevVisite INTEGER
  , OrePrevStage INTEGER
  , OrePrevPw INTEGER
  , Giorni INTEGER
  , Mesi INTEGER
  , AllieviPrevisti INTEGER
  , AllievePreviste INTEGER
  , SedeStage MEMO
  , SedeVisite MEMO
  , AziendaStruttura MEMO
  , AziendaStrutturaVisite MEMO
  , TempiSvolgStage MEMO
  , TempiSvolgVisite MEMO
  , DurataStage MEMO
  , DurataVisite MEMO
  , FinalitaStage MEMO
  , FinalitaVisite MEMO
  , SedeSvolgimento MEMO
  , DocentiPrevisti MEMO
  , TempiSvolgimento MEMO
  , Durata MEMO
  , ObiettivieContenuti MEMO
  , LocaliProj MEMO
  , ModalitaOrganizz MEMO
  , Attrezzatureemateriali MEMO
  , Elementicoerenza MEMO
  , RicercaFabbisogno MEMO
  , RicercaAmbito MEMO
  , RicercaObiettivi MEMO
  , RicercaModello MEMO
  , DelegaTerzi BOOLEAN
  , TitoloCoor TEXT
  , EsperienzeCoor MEMO
  , AttivitaCoor MEMO
  , TitoloTut TEXT
  , EsperienzeTut MEMO
  , AttivitaTut MEMO
  , TitoloTutimp TEXT
  , EsperienzeTutimp MEMO
  , AttivitaTutimp MEMO
  , TitoloAL TEXT
  , EsperienzeAL MEMO
  , AttivitaAL MEMO
  , TitoloSD TEXT
  , EsperienzeSD MEMO
  , AttivitaSD MEMO
  , AttivitaSA MEMO
  -- section 3 fields (Secondario)
  -- section 4 fields (Secondario): the project's grand total, the sum of its
  -- actions' stored totals
  , TotaleGenerale INTEGER
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

-- Members of a temporary association (ATS), one row per member organisation.
CREATE TABLE ATS (
  Id INTEGER,
  Progressivo INTEGER PRIMARY KEY AUTOINCREMENT,
  Denominazione TEXT,
  SedeLegale TEXT,
  Cap1 TEXT,
  Citta1 TEXT,
  Prov1 TEXT,
  Telefono1 TEXT,
  Fax1 TEXT,
  SedeRegione TEXT,
  Cap2 TEXT,
  Citta2 TEXT,
  Prov2 TEXT,
  Telefono2 TEXT,
  Fax2 TEXT,
  LegaleRappresentante TEXT,
  natoa TEXT,
  DNascitaLR DATETIME,
  Residente TEXT,
  CF1 TEXT,
  Estremi TEXT
);
CREATE INDEX "ATS.ID" ON ATS (Id);

-- Client companies of a project trained on behalf of third parties.
CREATE TABLE Committenti (
  Id INTEGER,
  IDAzienda INTEGER PRIMARY KEY AUTOINCREMENT,
  Denominazione TEXT,
  SettoreAp TEXT,
  AnnoCostituzione INTEGER,
  IscCCIAA TEXT,
  DescrizioneAttivitasvolte MEMO,
  VFA1 INTEGER,
  VFA2 INTEGER,
  VFA3 INTEGER,
  FPA1 INTEGER,
  FPA2 INTEGER,
  FPA3 INTEGER,
  DirA1 INTEGER,
  DirA2 INTEGER,
  DirA3 INTEGER,
  QuaA1 INTEGER,
  QuaA2 INTEGER,
  QuaA3 INTEGER,
  ImpA1 INTEGER,
  ImpA2 INTEGER,
  ImpA3 INTEGER,
  TecA1 INTEGER,
  TecA2 INTEGER,
  TecA3 INTEGER,
  OpeA1 INTEGER,
  OpeA2 INTEGER,
  OpeA3 INTEGER,
  FLScadNum INTEGER,
  FLScadQual TEXT,
  FLTrasNum INTEGER,
  FLTrasQual TEXT,
  FLAutoNum INTEGER,
  FLAutoQual TEXT,
  LavMobilitaNum INTEGER,
  LavContrattoNum INTEGER,
  LavCIGNum INTEGER,
  IscrittiInizioA1 INTEGER,
  IscrittiInizioA2 INTEGER,
  IscrittiInizioA3 INTEGER,
  IscrittiFineA1 INTEGER,
  IscrittiFineA2 INTEGER,
  IscrittiFineA3 INTEGER,
  OccRealFormazione INTEGER,
  OccMantenuta INTEGER,
  OccRealCoerente BOOLEAN,
  RelazioneSintetica MEMO
);
CREATE INDEX "Committenti.ID" ON Committenti (Id);

-- Page 2/B of section 2: the proposer's own row ("Nessuno") or one row per
-- consortium member. ABI and CAB are bank codes kept as typed (leading zeros).
CREATE TABLE Consorzi (
  IDConsorzio INTEGER PRIMARY KEY AUTOINCREMENT,
  Id INTEGER,
  consorzio TEXT,
  Denominazione TEXT,
  SedeLegale TEXT,
  Cap1 TEXT,
  Citta1 TEXT,
  Prov1 TEXT,
  Telefono1 TEXT,
  Fax1 TEXT,
  SedeRegione TEXT,
  Cap2 TEXT,
  Citta2 TEXT,
  Prov2 TEXT,
  Telefono2 TEXT,
  Fax2 TEXT,
  LegaleRappresentante TEXT,
  natoa TEXT,
  DNascitaLR DATETIME,
  Residente TEXT,
  CF1 TEXT,
  Estremi TEXT,
  Banca TEXT,
  Sede TEXT,
  ABI TEXT,
  CAB TEXT,
  ContoCorrente TEXT,
  IndirizzoBanca TEXT,
  AttoCostitutivo TEXT,
  SettoreAppartenenza TEXT,
  AnnoCostituzione INTEGER,
  IscrizioneCCIAA TEXT,
  RegistroPrefettizio TEXT,
  AmbitoTerritoriale INTEGER,
  VFA1 INTEGER,
  VFA2 INTEGER,
  VFA3 INTEGER,
  FPA1 INTEGER,
  FPA2 INTEGER,
  FPA3 INTEGER,
  DirA1 INTEGER,
  DirA2 INTEGER,
  DirA3 INTEGER,
  QuaA1 INTEGER,
  QuaA2 INTEGER,
  QuaA3 INTEGER,
  ImpA1 INTEGER,
  ImpA2 INTEGER,
  ImpA3 INTEGER,
  TecA1 INTEGER,
  TecA2 INTEGER,
  TecA3 INTEGER,
  OpeA1 INTEGER,
  OpeA2 INTEGER,
  OpeA3 INTEGER,
  SedeoSedi INTEGER,
  FLScadNum INTEGER,
  FLScadQual TEXT,
  FLTrasNum INTEGER,
  FLTrasQual TEXT,
  FLAutoNum INTEGER,
  FLAutoQual TEXT,
  Attrezzatureadispo MEMO,
  LavMobilitaNum INTEGER,
  LavContrattoNum INTEGER,
  LavCIGNum INTEGER,
  IscrittiInizioA1 INTEGER,
  IscrittiInizioA2 INTEGER,
  IscrittiInizioA3 INTEGER,
  IscrittiFineA1 INTEGER,
  IscrittiFineA2 INTEGER,
  IscrittiFineA3 INTEGER,
  OccRealFormazione INTEGER,
  OccMantenuta INTEGER,
  OccRealCoerente BOOLEAN,
  OccMantCoerente BOOLEAN,
  RelazioneSintetica MEMO
);
CREATE INDEX "Consorzi.ID" ON Consorzi (Id);

-- The project's target groups, education level, sectors and certificates:
-- one row per project, written by section 3 and read by position (section 1's
-- summary lists rely on positions 1-19 and 29-51).
CREATE TABLE DestinatariIntervento (
  Id INTEGER,
  Destinatario01 BOOLEAN,
  Destinatario02 BOOLEAN,
  Destinatario03 BOOLEAN,
  Destinatario04 BOOLEAN,
  Destinatario05 BOOLEAN,
  Destinatario06 BOOLEAN,
  Destinatario07 BOOLEAN,
  Destinatario08 BOOLEAN,
  Destinatario09 BOOLEAN,
  Destinatario10 BOOLEAN,
  Destinatario11 BOOLEAN,
  Destinatario12 BOOLEAN,
  Destinatario13 BOOLEAN,
  Destinatario14 BOOLEAN,
  Destinatario15 BOOLEAN,
  Destinatario16 BOOLEAN,
  Destinatario17 BOOLEAN,
  Destinatario18 BOOLEAN,
  Destinatario19 BOOLEAN,
  Scolarita1 BOOLEAN,
  Scolarita2 BOOLEAN,
  Scolarita3 BOOLEAN,
  Scolarita4 BOOLEAN,
  Scolarita5 BOOLEAN,
  Scolarita6 BOOLEAN,
  AltroPrecisare TEXT,
  TitoloStudio TEXT,
  Esperienze TEXT,
  Settore01 BOOLEAN,
  Settore02 BOOLEAN,
  Settore03 BOOLEAN,
  Settore04 BOOLEAN,
  Settore05 BOOLEAN,
  Settore06 BOOLEAN,
  Settore07 BOOLEAN,
  Settore08 BOOLEAN,
  Settore09 BOOLEAN,
  Settore10 BOOLEAN,
  Settore11 BOOLEAN,
  Settore12 BOOLEAN,
  Settore13 BOOLEAN,
  Settore14 BOOLEAN,
  Settore15 BOOLEAN,
  Settore16 BOOLEAN,
  Settore17 BOOLEAN,
  Settore18 BOOLEAN,
  Settore19 BOOLEAN,
  Settore20 BOOLEAN,
  Settore21 BOOLEAN,
  Settore22 BOOLEAN,
  Settore23 BOOLEAN,
  Servizi TEXT,
  AltroSettore TEXT,
  Certificato1 BOOLEAN,
  Certificato2 BOOLEAN,
  Certificato3 BOOLEAN,
  Certificato4 BOOLEAN,
  Certificato5 BOOLEAN,
  Certificato6 BOOLEAN,
  Certificato7 BOOLEAN,
  Certificato8 BOOLEAN
);
CREATE INDEX "DestinatariIntervento.Id" ON DestinatariIntervento (Id);

-- further tables

-- The action types a project has chosen in section 3: one row per project.
-- Read by position: 0 the project, 1 to 19 the key (IDSEZ3) of the cost
-- record of action type 1 to 19 (TabAzioni.Id), 0 or empty when not chosen.
CREATE TABLE Azioni (
  ID INTEGER,
  Azione01 INTEGER,
  Azione02 INTEGER,
  Azione03 INTEGER,
  Azione04 INTEGER,
  Azione05 INTEGER,
  Azione06 INTEGER,
  Azione07 INTEGER,
  Azione08 INTEGER,
  Azione09 INTEGER,
  Azione10 INTEGER,
  Azione11 INTEGER,
  Azione12 INTEGER,
  Azione13 INTEGER,
  Azione14 INTEGER,
  Azione15 INTEGER,
  Azione16 INTEGER,
  Azione17 INTEGER,
  Azione18 INTEGER,
  Azione19 INTEGER
);
CREATE INDEX "Azioni.ID" ON Azioni (ID);

-- Section 3, page 9: the project's teaching modules, one row each. The
-- editor writes the project's Id into the first column and reads the key
-- that the database assigns from the second, by position.
CREATE TABLE ProgrammaDidattico (
  ID INTEGER,
  IDModulo INTEGER PRIMARY KEY AUTOINCREMENT,
  Titolo TEXT,
  Teoria INTEGER,
  Stage INTEGER,
  Visite INTEGER,
  Esercitazioni INTEGER,
  Project INTEGER,
  Obiettivi MEMO,
  Docenti MEMO,
  Locali MEMO,
  Materiali MEMO,
  DurataComplessiva INTEGER
);
CREATE UNIQUE INDEX "ProgrammaDidattico.IDModulo" ON ProgrammaDidattico (IDModulo);
CREATE INDEX "ProgrammaDidattico.ID" ON ProgrammaDidattico (ID);

-- Section 3: the equipment of a module, one row per grid row, rewritten
-- whole by each store of the module. The printout lists the fields after
-- IDModulo by position.
CREATE TABLE AttrezzatureModuli (
  IDModulo INTEGER,
  Attrezzature TEXT,
  Quantita INTEGER,
  Tempo INTEGER,
  Titolo TEXT
);
CREATE INDEX "AttrezzatureModuli.IDModulo" ON AttrezzatureModuli (IDModulo);

-- Section 3, page 10: the project's non-training actions, one row each;
-- the first two columns as in ProgrammaDidattico.
CREATE TABLE ProgrammaAzione (
  ID INTEGER,
  IDAzione INTEGER PRIMARY KEY AUTOINCREMENT,
  Titolo TEXT,
  DurataOre INTEGER,
  DurataGG INTEGER,
  DurataMesi INTEGER,
  Obiettivi MEMO,
  Risorse MEMO,
  Localita MEMO,
  Attrezzature MEMO
);
CREATE UNIQUE INDEX "ProgrammaAzione.IDAzione" ON ProgrammaAzione (IDAzione);
CREATE INDEX "ProgrammaAzione.ID" ON ProgrammaAzione (ID);

-- Section 3, page 14: the activities delegated to third parties, six rows
-- per project; a row's place among the project's rows is its kind (tipo 1
-- to 6: design, selection, guidance, handouts, administration, teaching).
-- Costo in whole lire.
CREATE TABLE TerziDelegati (
  Id INTEGER,
  tipo INTEGER,
  Motivazione MEMO,
  TerziDelegati MEMO,
  Requisiti MEMO,
  Costo INTEGER
);
CREATE INDEX "TerziDelegati.Id" ON TerziDelegati (Id);

-- The cost record of one chosen action: section 3 adds it with its key only
-- and deletes it; section 4 writes the project, the description and every
-- fixed cost item (whole lire, counts, hours, months), the Int/Est flags
-- (true: internal) and the action's grand total VOCISPESA.
CREATE TABLE SpeseSez3 (
  IDSEZ3 INTEGER PRIMARY KEY AUTOINCREMENT,
  Id INTEGER,
  DescrizioneAzione TEXT,
  INAIL INTEGER,
  AssItinere INTEGER,
  DiscoccupatiN INTEGER,
  DisoccupatiImporto INTEGER,
  DisoccupatiOre INTEGER,
  OccupatiN INTEGER,
  OccupatiImporto INTEGER,
  OccupatiOre INTEGER,
  SostRedditoN INTEGER,
  SostRedditoImporto INTEGER,
  SostRedditoMesi INTEGER,
  IncOccupazioneN INTEGER,
  IncOccupazioneImporto INTEGER,
  IncOccupazioneOre INTEGER,
  RimborsoStageOspitante INTEGER,
  ProgettazioneIE BOOLEAN,
  ProgettazioneN INTEGER,
  ProgettazioneOre INTEGER,
  ProgettazioneImporto INTEGER,
  DispenseIE BOOLEAN,
  DispenseN INTEGER,
  DispenseOre INTEGER,
  DispenseImporto INTEGER,
  FadIE BOOLEAN,
  FadN INTEGER,
  FadOre INTEGER,
  FadImporto INTEGER,
  SelezioneN INTEGER,
  SelezioneOre INTEGER,
  SelezioneImporto INTEGER,
  Pubblicita INTEGER,
  AffittoLocali INTEGER,
  Manutenzione INTEGER,
  Riscaldamento INTEGER,
  Energia INTEGER,
  Telefono INTEGER,
  Posta INTEGER,
  Cancelleria INTEGER,
  Perizie INTEGER,
  Ausiliario INTEGER,
  Oneri INTEGER,
  Fidejussioni INTEGER,
  Gettone INTEGER,
  Trasferta INTEGER,
  VOCISPESA INTEGER
);
CREATE UNIQUE INDEX "SpeseSez3.IdSez3" ON SpeseSez3 (IDSEZ3);
CREATE UNIQUE INDEX "SpeseSez3.PrimaryKey" ON SpeseSez3 (IDSEZ3);

-- Section 4: the six cost-detail tables, one row per grid line of an action.
-- The printout lists their fields by position, so their order is fixed
-- together with the templates.
CREATE TABLE AttrezzatureMateriale (
  IdSez3 INTEGER,
  Tipo INTEGER,
  Descrizione TEXT,
  NumeroUnita INTEGER,
  Titolo TEXT,
  Costo INTEGER,
  Totale INTEGER
);

CREATE TABLE MaterialiServizi (
  IdSez3 INTEGER,
  Tipo INTEGER,
  Descrizione TEXT,
  Costo INTEGER
);

CREATE TABLE SpeseRaggiungimento (
  IdSez3 INTEGER,
  Tipo INTEGER,
  Importo INTEGER,
  NAllievi INTEGER,
  NViaggi INTEGER,
  Totale INTEGER
);

CREATE TABLE SpeseRisorse (
  IdSez3 INTEGER,
  Risorsa TEXT,
  IntEst BOOLEAN,
  NSogg INTEGER,
  OreGG INTEGER,
  Costo INTEGER,
  Totale INTEGER
);

CREATE TABLE SpeseStages (
  IdSez3 INTEGER,
  Tipo INTEGER,
  Importo INTEGER,
  NPersone INTEGER,
  NViaggi INTEGER,
  Totale INTEGER
);

CREATE TABLE SpeseViaggioDocenti (
  IdSez3 INTEGER,
  Tipo INTEGER,
  Importo INTEGER,
  NPersone INTEGER,
  NViaggi INTEGER,
  Totale INTEGER
);

-- Section 4: the documents attached to the application.
CREATE TABLE ElencoAllegati (
  Id INTEGER,
  NumeroAllegato INTEGER,
  Descrizione TEXT
);
-- end of the tables of sections 3 and 4 read by the printout

-- Section 4: each grid's lines are found by their parent's key, the
-- attachments by the project's Id. An index on the key alone keeps the rows
-- of one key in the order they were stored, for readers that ask no order.
CREATE INDEX "AttrezzatureMateriale.IdSez3" ON AttrezzatureMateriale (IdSez3);
CREATE INDEX "MaterialiServizi.IdSez3" ON MaterialiServizi (IdSez3);
CREATE INDEX "SpeseRaggiungimento.IdSez3" ON SpeseRaggiungimento (IdSez3);
CREATE INDEX "SpeseRisorse.IdSez3" ON SpeseRisorse (IdSez3);
CREATE INDEX "SpeseStages.IdSez3" ON SpeseStages (IdSez3);
CREATE INDEX "SpeseViaggioDocenti.IdSez3" ON SpeseViaggioDocenti (IdSez3);
CREATE INDEX "ElencoAllegati.Id" ON ElencoAllegati (Id);
