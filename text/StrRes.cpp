#include "StrRes.h"

// Written as wide literals: each entry is exactly the Unicode text that translators approved.

namespace StrRes
{
    const juce::String DEFAULT_FONT_WIN[12] = {
        juce::String (L"Verdana"),
        juce::String (L"Verdana"),
        juce::String (L"Verdana"),
        juce::String (L"Verdana"),
        juce::String (L"Verdana"),
        juce::String (L"Verdana"),
        juce::String (L"Verdana"),
        juce::String (L"Verdana"),
        juce::String (L"Microsoft YaHei"),
        juce::String (L"Microsoft JhengHei"),
        juce::String (L"Malgun Gothic"),
        juce::String (L"MS PGothic")
    };

    const juce::String DEFAULT_FONT_MAC[12] = {
        juce::String (L"Verdana"),
        juce::String (L"Verdana"),
        juce::String (L"Verdana"),
        juce::String (L"Verdana"),
        juce::String (L"Verdana"),
        juce::String (L"Verdana"),
        juce::String (L"Geneva CY"),
        juce::String (L"Verdana"),
        juce::String (L"Heiti SC"),
        juce::String (L"Heiti TC"),
        juce::String (L"Apple SD Gothic Neo"),
        juce::String (L"Hiragino Sans W5")
    };

    const juce::String LANGUAGE_SELECTION[12] = {
        juce::String (L"English"),
        juce::String (L"Français"),
        juce::String (L"Deutsch"),
        juce::String (L"Español"),
        juce::String (L"Italiano"),
        juce::String (L"Nederlands"),
        juce::String (L"Русский"),
        juce::String (L"Português"),
        juce::String (L"简体中文"),
        juce::String (L"繁體中文"),
        juce::String (L"한국어"),
        juce::String (L"日本語")
    };

    const juce::String NULL_STR[12] = {
        juce::String (L""),
        juce::String (L""),
        juce::String (L""),
        juce::String (L""),
        juce::String (L""),
        juce::String (L""),
        juce::String (L""),
        juce::String (L""),
        juce::String (L""),
        juce::String (L""),
        juce::String (L""),
        juce::String (L"")
    };

    const juce::String NAME_000[12] = {
        juce::String (L"KPX"),
        juce::String (L"KPX"),
        juce::String (L"KPX"),
        juce::String (L"KPX"),
        juce::String (L"KPX"),
        juce::String (L"KPX"),
        juce::String (L"KPX"),
        juce::String (L"KPX"),
        juce::String (L"KPX"),
        juce::String (L"KPX"),
        juce::String (L"KPX"),
        juce::String (L"KPX")
    };

    const juce::String NAME_001[12] = {
        juce::String (L"KPX-TLK4"),
        juce::String (L"KPX-TLK4"),
        juce::String (L"KPX-TLK4"),
        juce::String (L"KPX-TLK4"),
        juce::String (L"KPX-TLK4"),
        juce::String (L"KPX-TLK4"),
        juce::String (L"KPX-TLK4"),
        juce::String (L"KPX-TLK4"),
        juce::String (L"KPX-TLK4"),
        juce::String (L"KPX-TLK4"),
        juce::String (L"KPX-TLK4"),
        juce::String (L"KPX-TLK4")
    };

    const juce::String STR_0000[12] = {
        juce::String (L"Updater Program"),
        juce::String (L"Programme de mise à jour"),
        juce::String (L"Aktualisierungsprogramm"),
        juce::String (L"Programa actualizador"),
        juce::String (L"Programma di aggiornamento"),
        juce::String (L"Updateprogramma"),
        juce::String (L"Программа обновления"),
        juce::String (L"Programa de Atualização"),
        juce::String (L"升级程序"),
        juce::String (L"更新程式"),
        juce::String (L"업데이터 프로그램"),
        juce::String (L"アップデートプログラム")
    };

    const juce::String STR_0001[12] = {
        juce::String (L"OK"),
        juce::String (L"OK"),
        juce::String (L"OK"),
        juce::String (L"Aceptar"),
        juce::String (L"OK"),
        juce::String (L"Akkoord"),
        juce::String (L"ОК"),
        juce::String (L"OK"),
        juce::String (L"确定"),
        juce::String (L"確定"),
        juce::String (L"OK"),
        juce::String (L"OK")
    };

    const juce::String STR_0002[12] = {
        juce::String (L"Start"),
        juce::String (L"Démarrer"),
        juce::String (L"Start"),
        juce::String (L"Iniciar"),
        juce::String (L"Start"),
        juce::String (L"Beginnen"),
        juce::String (L"Запустить"),
        juce::String (L"Iniciar"),
        juce::String (L"开始"),
        juce::String (L"開始"),
        juce::String (L"시작"),
        juce::String (L"開始")
    };

    const juce::String STR_0003[12] = {
        juce::String (L"Cancel"),
        juce::String (L"Annuler"),
        juce::String (L"Abbrechen"),
        juce::String (L"Cancelar"),
        juce::String (L"Annulla"),
        juce::String (L"Annuleren"),
        juce::String (L"Отменить"),
        juce::String (L"Cancelar"),
        juce::String (L"取消"),
        juce::String (L"取消"),
        juce::String (L"취소"),
        juce::String (L"キャンセル")
    };

    const juce::String STR_0004[12] = {
        juce::String (L"Close"),
        juce::String (L"Fermer"),
        juce::String (L"Schließen"),
        juce::String (L"Cerrar"),
        juce::String (L"Chiudi"),
        juce::String (L"Sluiten"),
        juce::String (L"Закрыть"),
        juce::String (L"Fechar"),
        juce::String (L"关闭"),
        juce::String (L"關閉"),
        juce::String (L"닫기"),
        juce::String (L"終了")
    };

    const juce::String STR_0005[12] = {
        juce::String (L"Language Selections"),
        juce::String (L"Sélection de langue"),
        juce::String (L"Sprachenwahl"),
        juce::String (L"Selección de idiomas"),
        juce::String (L"Scelta della lingua"),
        juce::String (L"Taalkeuze"),
        juce::String (L"Выбор языка"),
        juce::String (L"Seleção do Idioma"),
        juce::String (L"语言选择"),
        juce::String (L"語言選擇"),
        juce::String (L"언어"),
        juce::String (L"言語の選択")
    };

    const juce::String STR_0006[12] = {
        juce::String (L"Please select a language."),
        juce::String (L"Veuillez sélectionner une langue."),
        juce::String (L"Bitte wählen Sie eine Sprache."),
        juce::String (L"Seleccione un idioma."),
        juce::String (L"Scegli una lingua."),
        juce::String (L"Kies een taal a.u.b."),
        juce::String (L"Пожалуйста, выберите язык."),
        juce::String (L"Seleccione um idioma."),
        juce::String (L"请选择一种语言。"),
        juce::String (L"請選擇語言。"),
        juce::String (L"언어를 선택하십시오."),
        juce::String (L"ご使用になる言語を選択してください。")
    };

    const juce::String STR_0007[12] = {
        juce::String (L"There is an error in the update file."),
        juce::String (L"Il y a une erreur dans le fichier de mise à jour."),
        juce::String (L"Es gibt einen Fehler in der Aktualisierungsdatei."),
        juce::String (L"Se ha producido un error en el archivo de actualización."),
        juce::String (L"Si è verificato un errore nel file di aggiornamento."),
        juce::String (L"Er is een fout in het updatebestand."),
        juce::String (L"Ошибка в файле обновления."),
        juce::String (L"Houve um erro no arquivo de atualização."),
        juce::String (L"更新文件出错。"),
        juce::String (L"檔案更新時出現錯誤。"),
        juce::String (L"업데이트 파일에 오류가 있습니다."),
        juce::String (L"更新ファイルにエラーがあります。")
    };

    const juce::String STR_0008[12] = {
        juce::String (L"Your %s is not connected."),
        juce::String (L"Votre %s n'est pas connecté."),
        juce::String (L"Ihr %s ist nicht angeschlossen."),
        juce::String (L"Su %s no está conectado."),
        juce::String (L"Il %s non è collegato."),
        juce::String (L"Uw %s is niet aangesloten."),
        juce::String (L"Устройство %s не подсоединено."),
        juce::String (L"Seu %s não está conectado."),
        juce::String (L"没有连接 %s。"),
        juce::String (L"未連接 %s。"),
        juce::String (L"%s가 연결되어 있지 않습니다."),
        juce::String (L"%sが接続されていません。")
    };

    const juce::String STR_0009[12] = {
        juce::String (L"Updates the version of your %s firmware."),
        juce::String (L"Met à jour la version du microprogramme de %s."),
        juce::String (L"Aktualisiert die Version Ihrer %s Firmware."),
        juce::String (L"Actualiza la versión del firmware del %s."),
        juce::String (L"Aggiorna la versione del firmware del %s."),
        juce::String (L"Werkt uw %s firmware bij."),
        juce::String (L"Обновляет версию Вашего встроенного программного обеспечения %s."),
        juce::String (L"Atualizar a versão do firmware do %s."),
        juce::String (L"升级您的%s固件版本。"),
        juce::String (L"更新%s韌體的版本。"),
        juce::String (L"%s의 펌웨어 버전을 업데이트 합니다."),
        juce::String (L"%sファームウェアのバージョンアップを行います。")
    };

    const juce::String STR_0010[12] = {
        juce::String (L"Current Version: Ver. %s.%02s"),
        juce::String (L"Version actuelle: Ver. %s.%02s"),
        juce::String (L"Gegenwärtige Version: Ver. %s.%02s"),
        juce::String (L"Versión actual: Ver. %s.%02s"),
        juce::String (L"Versione attualmente installata: %s.%02s"),
        juce::String (L"Huidige versie: Ver. %s.%02s"),
        juce::String (L"Настоящая версия: Версия %s.%02s"),
        juce::String (L"Versão actual: Ver. %s.%02s"),
        juce::String (L"当前版本: Ver. %s.%02s"),
        juce::String (L"目前版本: %s.%02s版"),
        juce::String (L"현재 버전: Ver. %s.%02s"),
        juce::String (L"現在のバージョン: Ver%s.%02s")
    };

    const juce::String STR_0011[12] = {
        juce::String (L"Update Version: Ver. %s.%02s"),
        juce::String (L"Version de mise à jour: Ver. %s.%02s"),
        juce::String (L"Aktualisierte Version: Ver. %s.%02s"),
        juce::String (L"Versión de actualización: Ver. %s.%02s"),
        juce::String (L"Versione aggiornata: %s.%02s"),
        juce::String (L"Versie na de update: Ver. %s.%02s"),
        juce::String (L"Обновленная версия: Версия %s.%02s"),
        juce::String (L"Actualizar versão: Ver. %s.%02s"),
        juce::String (L"升级版本: Ver. %s.%02s"),
        juce::String (L"更新版本: %s.%02s版"),
        juce::String (L"업데이트 버전: Ver. %s.%02s"),
        juce::String (L"更新バージョン: Ver%s.%02s")
    };

    const juce::String STR_0012[12] = {
        juce::String (L"Updating your %s firmware."),
        juce::String (L"Mise à jour du microprogramme de %s."),
        juce::String (L"Ihre %s-Firmware wird aktualisiert."),
        juce::String (L"Actualizando el firmware de su %s."),
        juce::String (L"Aggiornamento del firmware del %s in corso."),
        juce::String (L"De firmware van uw %swordt bijgewerkt."),
        juce::String (L"Обновление Вашего встроенного программного обеспечения %s."),
        juce::String (L"Atualizando o firmware do seu% s."),
        juce::String (L"升级您的%s固件。"),
        juce::String (L"更新%s韌體。"),
        juce::String (L"%s의 펌웨어 업데이트 하기."),
        juce::String (L"%sファームウェアのアップデートを実行中です。")
    };

    const juce::String STR_0013[12] = {
        juce::String (L"Please wait for a few moments until the update process is complete."),
        juce::String (L"Veuillez patienter un instant jusqu'à ce que le processus de mise à jour se termine."),
        juce::String (L"Bitte warten Sie, bis die Aktualisierung abgeschlossen ist."),
        juce::String (L"Espere unos segundos hasta que el proceso de actualización haya finalizado."),
        juce::String (L"Si prega di attendere alcuni istanti sino a quando il processo di aggiornamento si completa."),
        juce::String (L"Wacht even tot het updateproces voltooid is."),
        juce::String (L"Пожалуйста, немного подождите завершения процесса обновления."),
        juce::String (L"A executar a actualização. Aguarde até a actualização estar concluída."),
        juce::String (L"请稍候，等待更新过程完成。"),
        juce::String (L"請等待片刻，直到更新程序完成。"),
        juce::String (L"업데이트가 끝나기까지 잠시만 기다리십시오."),
        juce::String (L"アップデートが完了するまでしばらくお待ちください。")
    };

    const juce::String STR_0014[12] = {
        juce::String (L"The update of your version of the %s firmware is now complete."),
        juce::String (L"La mise à jour du microprogramme de %s est maintenant terminée."),
        juce::String (L"Die Aktualisierung der Version Ihrer %s Firmware ist jetzt abgeschlossen."),
        juce::String (L"La actualización de la versión del firmware del %s ha finalizado."),
        juce::String (L"L'aggiornamento del %s è stato completato."),
        juce::String (L"Het bijwerken van de firmware van uw %s is nu gereed."),
        juce::String (L"Обновление версии Вашего встроенного программного обеспечения %s завершено."),
        juce::String (L"A versão foi actualizada."),
        juce::String (L"现在已完成%s固件的版本升级。"),
        juce::String (L"現已完成%s韌體的版本更新作業。"),
        juce::String (L"버전 업데이트 되었습니다."),
        juce::String (L"%sファームウェアのアップデートが完了しました。")
    };

    const juce::String STR_0015[12] = {
        juce::String (L"Failed to update the firmware."),
        juce::String (L"Échec de la mise à jour du microprogramme."),
        juce::String (L"Die Firmware konnte nicht aktualisiert werden."),
        juce::String (L"Error al actualizar el firmware."),
        juce::String (L"Impossibile aggiornare il firmware."),
        juce::String (L"Het bijwerken van de firmware is mislukt."),
        juce::String (L"Не удалось обновить микропрограммное обеспечение."),
        juce::String (L"Falha ao atualizar o firmware."),
        juce::String (L"固件更新失败。"),
        juce::String (L"更新韌體時失敗。"),
        juce::String (L"펌웨어를 업데이트하지 못했습니다."),
        juce::String (L"ファームウェアのアップデートに失敗しました。")
    };

    const juce::String STR_0016[12] = {
        juce::String (L"This unit can't work temporarily."),
        juce::String (L"Cette unité ne peut pas fonctionner temporairement."),
        juce::String (L"Dieses Gerät funktioniert vorübergehend nicht."),
        juce::String (L"Es posible que esta unidad no funcione temporalmente."),
        juce::String (L"L'unità è temporaneamente fuori uso."),
        juce::String (L"Dit toestel kan tijdelijk niet werken."),
        juce::String (L"Работа этого устройства временно невозможна."),
        juce::String (L"Esta unidade não pode funcionar temporariamente."),
        juce::String (L"此装置目前暂时无法运行。"),
        juce::String (L"此裝置暫時無法運作。"),
        juce::String (L"본 기기는 일시적으로 작동되지 않습니다."),
        juce::String (L"一時的に製品が使用できない状態になっています。")
    };

    const juce::String STR_0017[12] = {
        juce::String (L"Please try the following procedure to start the firmware update again."),
        juce::String (L"Veuillez essayer la procédure suivante pour démarrer à nouveau la mise à jour du microprogramme."),
        juce::String (L"Führen Sie die folgenden Schritte durch, um die Firmware-Aktualisierung erneut zu starten."),
        juce::String (L"Intente el siguiente procedimiento para iniciar la actualización del firmware de nuevo."),
        juce::String (L"Per avviare nuovamente l'aggiornamento del firmware, tentare la seguente procedura."),
        juce::String (L"Probeer de volgende procedure om de firmware-update opnieuw te starten."),
        juce::String (L"Выполните следующую процедуру, чтобы снова запустить обновление микропрограммного обеспечения."),
        juce::String (L"Experimente este procedimento para iniciar novamente a atualização do firmware."),
        juce::String (L"请尝试通过以下步骤重新更新固件。"),
        juce::String (L"請嘗試使用以下程序，再次重新開始韌體更新。"),
        juce::String (L"펌웨어 업데이트를 다시 시작하려면 다음 절차를 시도해 보십시오."),
        juce::String (L"アップデートを再度行うために、以下の手順を行ってください。")
    };

    const juce::String STR_0018[12] = {
        juce::String (L"1. Click the Close button to close the Update Program."),
        juce::String (L"1. Cliquez sur le bouton Fermer pour fermer le Programme Mise à jour."),
        juce::String (L"1. Klicken Sie auf die Schließen-Schaltfläche, um das Aktualisierungsprogramm zu schließen."),
        juce::String (L"1. Haga clic en el botón Cerrar para cerrar el programa de actualización."),
        juce::String (L"1. Fare clic sul pulsante Chiudi per chiudere il programma di aggiornamento."),
        juce::String (L"1. Klik op de Sluit-knop om het updateprogramma te sluiten."),
        juce::String (L"1. Нажмите кнопку \"Закрыть\", чтобы закрыть \"Обновление программы\"."),
        juce::String (L"1. Clique no botão Fechar para fechar o programa de atualização."),
        juce::String (L"1、单击关闭按钮关闭更新程序。"),
        juce::String (L"1. 按一下「關閉」按鈕以關閉「更新程式」。"),
        juce::String (L"1. 닫기 버튼을 클릭하여 업데이트 프로그램을 닫으십시오."),
        juce::String (L"1. 終了ボタンをクリックして、アップデートプログラムを終了します。")
    };

    const juce::String STR_0019[12] = {
        juce::String (L"2. Disconnect the USB cable from the unit and reconnect it."),
        juce::String (L"2. Déconnectez le câble USB de l'unité et reconnectez-le."),
        juce::String (L"2. Trennen Sie das USB-Kabel vom Gerät und schließen Sie es wieder an."),
        juce::String (L"2. Desconecte el cable USB de la unidad y vuelva a conectarlo."),
        juce::String (L"2. Scollegare il cavo USB dall'unità, quindi collegarlo nuovamente."),
        juce::String (L"2. Koppel de USB-kabel los van het toestel en sluit deze opnieuw aan."),
        juce::String (L"2. Отключите кабель USB от устройства и подключите его заново."),
        juce::String (L"2. Desligue o cabo USB da unidade e volte a ligá-lo."),
        juce::String (L"2、从装置上拔下USB电缆，然后重新连接。"),
        juce::String (L"2. 請從裝置中斷連接 USB 纜線，並重新連接。"),
        juce::String (L"2. 기기에서 USB 케이블을 분리했다가 다시 연결하십시오."),
        juce::String (L"2. USBケーブルを製品から抜いてから挿し直します。")
    };

    const juce::String STR_0020[12] = {
        juce::String (L"3. double-click the ZIRIDU4_VozediZedozor.exe to start the firmware update."),
        juce::String (L"3. double-cliquez sur ZIRIDU4_VozediZedozor.exe pour démarrer la mise à jour du microprogramme."),
        juce::String (L"3. doppelklicken Sie auf die Datei ZIRIDU4_VozediZedozor.exe, um die Firmware-Aktualisierung zu starten."),
        juce::String (L"3. haga doble clic en ZIRIDU4_VozediZedozor.exe para iniciar la actualización del firmware."),
        juce::String (L"3. fare doppio clic su ZIRIDU4_VozediZedozor.exe per avviare l'aggiornamento del firmware."),
        juce::String (L"3. dubbelklik op ZIRIDU4_VozediZedozor.exe om de firmware-update te starten."),
        juce::String (L"3. дважды щелкните ZIRIDU4_VozediZedozor.exe, чтобы начать обновление микропрограммного обеспечения."),
        juce::String (L"3. faça duplo clique em ZIRIDU4_VozediZedozor.exe para iniciar a atualização do firmware."),
        juce::String (L"3、请双击ZIRIDU4_VozediZedozor.exe开始更新固件。"),
        juce::String (L"3. 請按兩下 ZIRIDU4_VozediZedozor.exe 以開始韌體更新。"),
        juce::String (L"3. ZIRIDU4_VozediZedozor.exe를 두 번 클릭하여 펌웨어 업데이트를 시작하십시오."),
        juce::String (L"3. ZIRIDU4_VozediZedozor.exeをダブルクリックします。")
    };

    const juce::String STR_0021[12] = {
        juce::String (L"3. double-click the KPX-TLK4_vXXX to start the firmware update."),
        juce::String (L"3. double-cliquez sur KPX-TLK4_vXXX pour démarrer la mise à jour du microprogramme."),
        juce::String (L"3. doppelklicken Sie auf die Datei KPX-TLK4_vXXX, um die Firmware-Aktualisierung zu starten."),
        juce::String (L"3. haga doble clic en KPX-TLK4_vXXX para iniciar la actualización del firmware."),
        juce::String (L"3. fare doppio clic su KPX-TLK4_vXXX per avviare l'aggiornamento del firmware."),
        juce::String (L"3. dubbelklik op KPX-TLK4_vXXX om de firmware-update te starten."),
        juce::String (L"3. дважды щелкните KPX-TLK4_vXXX, чтобы начать обновление микропрограммного обеспечения."),
        juce::String (L"3. faça duplo clique em KPX-TLK4_vXXX para iniciar a atualização do firmware."),
        juce::String (L"3、请双击KPX-TLK4_vXXX开始更新固件。"),
        juce::String (L"3. 請按兩下 KPX-TLK4_vXXX 以開始韌體更新。"),
        juce::String (L"3. KPX-TLK4_vXXX를 두 번 클릭하여 펌웨어 업데이트를 시작하십시오."),
        juce::String (L"3. KPX-TLK4_vXXXをダブルクリックします。")
    };
}
