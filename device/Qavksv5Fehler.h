#pragma once
// Every error code of the driver, -(category * 1000 + site).
namespace QavFehler {

inline constexpr int Open_Baud = -125001;
inline constexpr int Open_Port = -100002;
inline constexpr int Open_Fehlgeschlagen = -100003;
inline constexpr int Close = -103004;
inline constexpr int Timeout = -111005;

inline constexpr int ID_Adresse = -400006;
inline constexpr int ID_Schreiben = -101008;
inline constexpr int ID_Kurz = -114009;
inline constexpr int ID_Nak = -402010;
inline constexpr int ID_Can = -405011;
inline constexpr int ID_KeineAntwort = -403012;
inline constexpr int ID_AnderesByte = -404013;
inline constexpr int ID_ZeileZeitlimit = -404014;
inline constexpr int ID_ZeileFehlerhaft = -404015;

inline constexpr int Baud_Adresse = -400016;
inline constexpr int Baud_Baud = -125017;
inline constexpr int Baud_Schreiben = -101019;
inline constexpr int Baud_Kurz = -101020;
inline constexpr int Baud_Nak = -402021;
inline constexpr int Baud_Can = -405022;
inline constexpr int Baud_KeineAntwort = -403023;
inline constexpr int Baud_AnderesByte = -404024;

inline constexpr int Adr_Adresse = -400025;
inline constexpr int Adr_NeueAdresse = -401026;
inline constexpr int Adr_Schreiben = -101028;
inline constexpr int Adr_Kurz = -101029;
inline constexpr int Adr_Nak = -402030;
inline constexpr int Adr_Can = -405031;
inline constexpr int Adr_KeineAntwort = -403032;
inline constexpr int Adr_AnderesByte = -404033;

inline constexpr int DF_Adresse = -400034;
inline constexpr int DF_Name = -401035;
inline constexpr int DF_Schreiben = -101037;
inline constexpr int DF_Kurz = -101038;
inline constexpr int DF_Nak = -402039;
inline constexpr int DF_Can = -405040;
inline constexpr int DF_KeineAntwort = -403041;
inline constexpr int DF_AnderesByte = -404042;

inline constexpr int Ein_Adresse = -400043;
inline constexpr int Ein_Kanal = -401044;
inline constexpr int Ein_Leeren = -112046;
inline constexpr int Ein_Schreiben = -101047;
inline constexpr int Ein_Kurz = -114048;
inline constexpr int Ein_Nak = -402049;
inline constexpr int Ein_Can = -405050;
inline constexpr int Ein_KeineAntwort = -403051;
inline constexpr int Ein_AnderesByte = -404052;
inline constexpr int Ein_ZeileZeitlimit = -404053;
inline constexpr int Ein_ZeileFehlerhaft = -404054;

inline constexpr int Aus_Adresse = -400055;
inline constexpr int Aus_Bereich1 = -500056;
inline constexpr int Aus_Bereich2 = -500057;
inline constexpr int Aus_Bereich3 = -500058;
inline constexpr int Aus_Bereich4 = -500059;
inline constexpr int Aus_Kanal = -401060;
inline constexpr int Aus_Leeren = -112062;
inline constexpr int Aus_Schreiben = -101063;
inline constexpr int Aus_Kurz = -101064;
inline constexpr int Aus_Nak = -402065;
inline constexpr int Aus_Can = -405066;
inline constexpr int Aus_KeineAntwort = -403067;
inline constexpr int Aus_AnderesByte = -404068;

inline constexpr int SpL_Adresse = -400092;
inline constexpr int SpL_Start = -894093;
inline constexpr int SpL_Anzahl = -895094;
inline constexpr int SpL_Bereich = -896095;
inline constexpr int SpL_Format = -202096;
inline constexpr int SpL_Schreiben = -101097;
inline constexpr int SpL_Kurz = -114098;
inline constexpr int SpL_Nak = -402099;
inline constexpr int SpL_Can = -405100;
inline constexpr int SpL_KeineAntwort = -403101;
inline constexpr int SpL_AnderesByte = -404102;
inline constexpr int SpL_KeinSpeicher = -600103;
inline constexpr int SpL_ZeileZeitlimit = -404104;
inline constexpr int SpL_OhneCR = -404105;
inline constexpr int SpL_Laenge = -404106;
inline constexpr int SpL_Kopf = -404107;
inline constexpr int SpL_DatenHoch = -404108;
inline constexpr int SpL_DatenNiedrig = -404109;
inline constexpr int SpL_Pruefziffer1 = -404110;
inline constexpr int SpL_Pruefziffer2 = -404111;
inline constexpr int SpL_Pruefziffer3 = -404112;
inline constexpr int SpL_Pruefziffer4 = -404113;
inline constexpr int SpL_Pruefsumme = -406114;

inline constexpr int SpS_Adresse = -400118;
inline constexpr int SpS_Start = -894119;
inline constexpr int SpS_Anzahl = -895120;
inline constexpr int SpS_Bereich = -896121;
inline constexpr int SpS_FormatKopf = -202122;
inline constexpr int SpS_FormatDaten = -202123;
inline constexpr int SpS_FormatPruefsumme = -202124;
inline constexpr int SpS_Schreiben = -101125;
inline constexpr int SpS_Kurz = -101126;
inline constexpr int SpS_Nak = -402127;
inline constexpr int SpS_Can = -405128;
inline constexpr int SpS_KeineAntwort = -403129;
inline constexpr int SpS_AnderesByte = -404130;

inline constexpr int St_Adresse = -400135;
inline constexpr int St_Register = -401136;
inline constexpr int St_Schreiben = -101138;
inline constexpr int St_Kurz = -114139;
inline constexpr int St_Nak = -402140;
inline constexpr int St_Can = -405141;
inline constexpr int St_KeineAntwort = -403142;
inline constexpr int St_AnderesByte = -404143;
inline constexpr int St_ZeileZeitlimit = -404144;
inline constexpr int St_ZeileFehlerhaft = -404145;
inline constexpr int St_Register2StattEins = -404146;
inline constexpr int St_Register1StattZwei = -404147;

inline constexpr int Flush_Empfang = -124148;
inline constexpr int Flush_Senden = -123149;

inline constexpr int ModL_Adresse = -400150;
inline constexpr int ModL_Schreiben = -101152;
inline constexpr int ModL_Kurz = -114153;
inline constexpr int ModL_Nak = -402154;
inline constexpr int ModL_Can = -405155;
inline constexpr int ModL_KeineAntwort = -403156;
inline constexpr int ModL_AnderesByte = -404157;
inline constexpr int ModL_ZeileZeitlimit = -404158;
inline constexpr int ModL_ZeileFehlerhaft = -404159;

inline constexpr int ModS_Adresse = -400160;
inline constexpr int ModS_Leeren = -112162;
inline constexpr int ModS_Schreiben = -101163;
inline constexpr int ModS_Kurz = -101164;
inline constexpr int ModS_Nak = -402165;
inline constexpr int ModS_Can = -405166;
inline constexpr int ModS_KeineAntwort = -403167;
inline constexpr int ModS_AnderesByte = -404168;

// Any operation on a port whose device has left (read, write, flush or drain
// said so, or poll reported a hang-up); also every request on that port
// number until it is opened again.
inline constexpr int Getrennt = -127169;

} // namespace QavFehler
