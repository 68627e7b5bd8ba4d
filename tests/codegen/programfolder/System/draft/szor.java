import javax.microedition.midlet.*;
import javax.microedition.lcdui.*;

public class szor extends MIDlet {
    //vstavka1
    void changeEtap(int from, int to) {
        switch (from) { //vstavka2
        }
        switch (to) {
            //vstavka3
        }
    }
}
