import javax.microedition.midlet.*;
import javax.microedition.lcdui.*;
public class szor extends MIDlet {
private Etap0 etap0=null;private Etap1 etap1=null;private Etap2 etap2=null;
void changeEtap(int from, int to) {
switch (from) { case 0:etap0.stop();etap0=null;break;case 1:etap1.stop();etap1=null;break;case 2:etap2.stop();etap2=null;break;
}
switch (to) {
case 0:etap0=new Etap0(this);etap0.start();Display.getDisplay(this).setCurrent(etap0);break;case 1:etap1=new Etap1(this);etap1.start();Display.getDisplay(this).setCurrent(etap1);break;case 2:etap2=new Etap2(this);etap2.start();Display.getDisplay(this).setCurrent(etap2);break;
}
}
}
