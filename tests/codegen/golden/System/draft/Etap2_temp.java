// A small level class for the tests: every data marker once, indented, with blank lines.
import javax.microedition.lcdui.*;
public class Etap2 extends Canvas {
int quan_act_gr=1;
int quan_act[]={0,};
int[]group_act={2,0,};
String[]add_act_gr={"/enemy.png","",};
int[]act_manager_gr={1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,};
int[]act_obstacle_gr={1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,};
int[]tileWidthob_gr={24,0,};
int[]tileHeightob_gr={20,0,};
int[]act_sv_ob1={100,0,};
int[]act_sv_ob2={0,glob[1],};
int[]act_sv_ob3={0,0,};
int[]act_sv_ob4={0,0,};
int[]act_sv_ob5={0,0,};
int[]fon_sv_ob1={0,};
int[]fon_sv_ob2={0,};
int[]fon_sv_ob3={0,};
int[]fon_sv_ob4={0,};
int[]fon_sv_ob5={0,};
int upr_default = 1; int[]act_upr={1,1,};
int quan_fon_gr=0;
int quan_fon[]={};
int[]fon_obstacle_gr={1,};
String[]add_fon_gr={"",};
int[]fon_tileWidth_gr={0,};
int[]fon_tileHeight_gr={0,};
int[]fon_columns_gr={0,};
int[]fon_rows_gr={0,};
int[]fon_manager_gr={1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,};
int[]group_fon={0,};
int[]act_type={0,0,};
int[][][]act_go={{{-1,},},{{-1,},},{{-1,},},{{-1,},},{{-1,},},{{-1,},},{{-1,},},{{-1,},},};
int[][][]act_stop={{{-1,},},{{-1,},},{{-1,},},{{-1,},},{{-1,},},{{-1,},},{{-1,},},{{-1,},},};
int[][][]act_dead={{{-1,},},{{-1,},},{{-1,},},{{-1,},},{{-1,3,},},{{-1,},},{{-1,},},{{-1,},},};
int[]act_uron={0,0,};
int[]act_speed_tek={0,0,};
int[]act_speed={3,0,};
int[]act_razg={2,0,};
int[]act_torm={1,0,};
int[]act_tr_number={0,0,};
int[][][]act_tr={{},{},{},{},{},{},{},{},{},{},};
int[]act_t={0,0,0,0,0,0,0,0,0,0,};
int[][]act_xt={{},{},{},{},{},{},{},{},{},{},};
int[][]act_yt={{},{},{},{},{},{},{},{},{},{},};
int col_ek1=10;
int col_ek2=20;
int col_ek3=30;
private szor midlet; // etap2 belongs to the MIDlet
public Etap2(szor midlet) { this.midlet = midlet; }
protected void paint(Graphics graphics) {
//graphics.
}
void tick() {
if (obtime==1){active_create(1,5,5);}
if((obtime>0)){graphics.setColor(0xFF0000); graphics.drawString("Привет",1,2,graphics.TOP|graphics.LEFT);};
if((obtime>0)){glob[1]=glob[1]+1;};
for(int kr1=1;kr1<=quan_act[1-1];kr1++){if((obtime>0)){{act[1-1][kr1].setPosition(5,act[1-1][kr1].getY());}};}
for(int kr1=1;kr1<=quan_act[1-1];kr1++){if((act[1-1][kr1].collidesWith(fonPole[1-1],false))){{midlet.changeEtap(1,1+1);}};}
for(int kr1=1;kr1<=quan_act[1-1];kr1++){for(int krf1=0;krf1<=kol_fon[1]-1;krf1++){if((act[1-1][kr1].collidesWith(fonPole[1-1],false))){}else{{fon[1-1][krf1].setVisible(false);}};}}
for(int kr1=1;kr1<=quan_act[1-1];kr1++){for(int kr2=1;kr2<=quan_act[2-1];kr2++){if((act[1-1][kr1].collidesWith(fonPole[1-1],false))){{act_upr[2-1][kr2]=2;kd=kr1;}};}}
if((key_fire_1==true)){try{player=Manager.createPlayer(getClass().getResourceAsStream("/theme.mid"),"audio/midi");player.realize();player.prefetch();player.start();}catch (Exception e){}};
}}
