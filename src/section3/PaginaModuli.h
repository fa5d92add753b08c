#pragma once

class EditorElenco;
class Impaginazione;
class Sezione3Form;

// Page 9: the project's teaching modules (ProgrammaDidattico) in the
// titled-list editor, with six tab pages: the hours with the module's
// practice hours and total duration, the goals and contents, the teachers,
// the premises, the equipment grid and the teaching materials. Builds it
// into the form's RiquadroModuli and returns the editor, owned by the form.
EditorElenco *CreaPaginaModuli(Sezione3Form &form, Impaginazione &impagina);
