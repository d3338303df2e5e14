#pragma once

class QWidget;
class TEuroMillonApuestas;

// The prizes window over a combination, shown modally over owner; what the
// combination window's prizes command runs.
void MostrarPremios(QWidget *owner, TEuroMillonApuestas &combination);
