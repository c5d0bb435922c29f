#pragma once
// What every part of the "Kennlinienregler" window works on: the editor it
// sends commands to, the configuration in force and the window as parent
// of controls and popups.
class KennlinienEditor;
class KonfigModell;
class Kurvenfenster;

struct KennlinienKontext {
    KennlinienEditor& editor;
    KonfigModell& konfig;
    Kurvenfenster& fenster;
};
