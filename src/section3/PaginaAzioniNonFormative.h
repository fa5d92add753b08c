#pragma once

class EditorElenco;
class Impaginazione;
class Sezione3Form;

// Page 10: the project's non-training actions (ProgrammaAzione) in the
// titled-list editor, with five tab pages: the duration in hours, days and
// months, the goals, methods and contents, the human resources, the
// premises and the equipment. Builds it into the form's RiquadroAzioni and
// returns the editor, owned by the form.
EditorElenco *CreaPaginaAzioniNonFormative(Sezione3Form &form, Impaginazione &impagina);
